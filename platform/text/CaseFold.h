#pragma once
// Upper-casing of code page 932 text in place, as the system's case mapping
// does it: a-z become A-Z, and every double-byte small letter with a capital in
// the code page (full-width Latin, Greek, Cyrillic, small Roman numerals)
// becomes that capital. Every other byte and character stays as it is.

#include <cstddef>
#include <string>

namespace cp932 {

void UpperInPlace(char* text, std::size_t size);

inline void UpperInPlace(std::string& text)
{
    UpperInPlace(text.data(), text.size());
}

}  // namespace cp932
