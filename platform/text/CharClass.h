#pragma once
// The single-byte character classes of the C locale, and the half-width
// katakana test of code page 932. Independent of the process's locale.

namespace cp932 {

constexpr bool IsDigit(unsigned char b) { return b >= '0' && b <= '9'; }
constexpr bool IsAlpha(unsigned char b) { return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'); }
// Printable, not a letter, digit or blank: 0x21-0x2F, 0x3A-0x40, 0x5B-0x60, 0x7B-0x7E.
constexpr bool IsPunct(unsigned char b) { return b >= 0x21 && b <= 0x7E && !IsDigit(b) && !IsAlpha(b); }
// 0x00-0x1F and 0x7F, as iscntrl in the C locale.
constexpr bool IsCntrl(unsigned char b) { return b <= 0x1F || b == 0x7F; }
// Half-width katakana and half-width punctuation: 0xA1-0xDF.
constexpr bool IsHalfWidthKana(unsigned char b) { return b >= 0xA1 && b <= 0xDF; }

}  // namespace cp932
