#pragma once
// The nineteen special keywords: a search string that is exactly one of them
// stands for a class of characters. The table is shared by the matcher and by
// the condition editor, whose buttons insert exactly these texts.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// A set of character classes, one bit per class.
using ClassMask = std::uint32_t;

namespace ClassBit {
// Half-width classes: single bytes that are not lead bytes.
inline constexpr ClassMask HalfDigit = 1u << 0;    // 0x30-0x39
inline constexpr ClassMask HalfAlpha = 1u << 1;    // 0x41-0x5A, 0x61-0x7A
inline constexpr ClassMask HalfPunct = 1u << 2;    // 0x21-0x2F, 0x3A-0x40, 0x5B-0x60, 0x7B-0x7E
inline constexpr ClassMask HalfKana = 1u << 3;     // 0xA1-0xDF
inline constexpr ClassMask HalfControl = 1u << 4;  // 0x00-0x1F, 0x7F
// Full-width classes: codes lead byte * 256 + second byte.
inline constexpr ClassMask Symbol1 = 1u << 5;      // 0x8140-0x819E
inline constexpr ClassMask Symbol2 = 1u << 6;      // 0x819F-0x81FC
inline constexpr ClassMask FullAlnum = 1u << 7;    // 0x824F-0x829A
inline constexpr ClassMask Hiragana = 1u << 8;     // 0x829F-0x82F1
inline constexpr ClassMask Katakana = 1u << 9;     // 0x8340-0x8396
inline constexpr ClassMask Greek = 1u << 10;       // 0x839F-0x83FC
inline constexpr ClassMask Cyrillic = 1u << 11;    // 0x8440-0x849E
inline constexpr ClassMask Special = 1u << 12;     // 0x849F-0x889E
inline constexpr ClassMask Kanji1 = 1u << 13;      // 0x889F-0x989E
inline constexpr ClassMask Kanji2 = 1u << 14;      // 0x989F-0x9FFC, 0xE040-0xEAFC
inline constexpr ClassMask UserDefined = 1u << 15; // 0xF040-0xF9FC
inline constexpr ClassMask Extended = 1u << 16;    // 0xEB40-0xEFFC, 0xFA40-0xFCFC
inline constexpr ClassMask FullSmall = 1u << 17;   // 0x8281-0x829A
inline constexpr ClassMask FullCapital = 1u << 18; // 0x8260-0x8279
}  // namespace ClassBit

struct SpecialKeyword {
    std::string_view Text;     // the keyword as code page 932 bytes, e.g. "#数字#"
    std::string_view Caption;  // the editor's button caption, code page 932, e.g. "数字"
    ClassMask Class;           // the one class it stands for
};

// In the order of the classes: the five half-width keywords, then the fourteen
// full-width ones.
extern const std::array<SpecialKeyword, 19> SpecialKeywords;

// The class of the keyword that text is exactly equal to, byte for byte;
// nullopt when it is none of them.
std::optional<ClassMask> FindKeyword(std::string_view text);
