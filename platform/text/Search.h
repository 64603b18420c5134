#pragma once
// Substring search in code page 932 text: a match only counts when it starts on
// a character boundary, never on the second byte of a double-byte character.

#include <cstddef>
#include <string_view>

namespace cp932 {

// Position of the first occurrence of pattern in text that starts on a
// character boundary, or std::string_view::npos. An empty pattern occurs at 0.
std::size_t Find(std::string_view text, std::string_view pattern);

// Position of the first single-byte character equal to byte, or npos; the
// second byte of a double-byte character is never taken for it.
std::size_t FindByte(std::string_view text, char byte);

}  // namespace cp932
