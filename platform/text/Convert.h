#pragma once
// Conversion between code page 932 and Unicode (UTF-8, UTF-16) through iconv,
// for the user interface and for file names. Program text stays code page 932;
// only these boundaries convert.
//
// Decoding for display never fails: each character the code page does not
// define (a lead byte with its second byte, or a single byte) becomes one
// U+FFFD. Exact conversions fail instead of guessing, so nothing is ever
// written back as something other than what it was.

#include <optional>
#include <string>
#include <string_view>

namespace cp932 {

std::string ToUtf8Lossy(std::string_view text);
std::u16string ToUtf16Lossy(std::string_view text);

// nullopt when some character of text does not convert.
std::optional<std::string> ToUtf8(std::string_view text);

// nullopt when some character has no code page 932 form (U+FFFD included) or
// the input is not well-formed.
std::optional<std::string> FromUtf8(std::string_view utf8);
std::optional<std::string> FromUtf16(std::u16string_view utf16);

}  // namespace cp932
