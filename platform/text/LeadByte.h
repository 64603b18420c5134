#pragma once
// Code page 932 character boundaries: a lead byte and the byte after it form one
// character; every other byte is a character of its own.

#include <cstddef>
#include <string_view>

namespace cp932 {

// True for the bytes that start a double-byte character: 0x81-0x9F and 0xE0-0xFC.
constexpr bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Length in bytes of the character that starts at pos: 2 for a lead byte with a
// byte after it, otherwise 1 (a lead byte at the very end stands alone).
// pos must be less than text.size().
constexpr std::size_t CharLength(std::string_view text, std::size_t pos)
{
    return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

}  // namespace cp932
