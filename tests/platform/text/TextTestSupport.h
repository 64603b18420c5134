#pragma once
// Helpers for the code page 932 tests: readable byte dumps for failure
// messages, and UTF-8 and UTF-16 coding of code points that does not go
// through the conversions under test.

#include <cstdio>
#include <string>
#include <string_view>

namespace cp932::test {

// "61 82 A0" for the bytes a, 0x82, 0xA0.
inline std::string Hex(std::string_view bytes)
{
    std::string out;
    for (unsigned char b : bytes) {
        char cell[4];
        std::snprintf(cell, sizeof cell, "%02X", b);
        if (!out.empty())
            out += ' ';
        out += cell;
    }
    return out;
}

inline std::string Utf8(char32_t c)
{
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

inline std::u16string Utf16(std::u32string_view text)
{
    std::u16string out;
    for (char32_t c : text) {
        if (c < 0x10000) {
            out += static_cast<char16_t>(c);
        } else {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

// The code points of well-formed UTF-8.
inline std::u32string CodePoints(std::string_view utf8)
{
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            c = c << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out += c;
        i += length;
    }
    return out;
}

inline std::string Utf8(std::u32string_view text)
{
    std::string out;
    for (char32_t c : text)
        out += Utf8(c);
    return out;
}

}  // namespace cp932::test
