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

// True when a character starts at pos, false when pos is the second byte of a
// double-byte character. pos is at most text.size(); the end is a boundary.
//
// Scans backwards instead of walking the whole text: the byte before a run of
// lead-range bytes always ends a character (a byte outside the lead range never
// starts a double-byte one), so the run pairs up from its start and pos is a
// boundary exactly when the run before it has even length. knownBoundary, a
// boundary at or before pos, stops the scan early; callers that check many
// positions in increasing order pass the last boundary they know, which keeps
// the total work linear in the length of the text.
constexpr bool IsCharBoundary(std::string_view text, std::size_t pos, std::size_t knownBoundary = 0)
{
    if (pos >= text.size())
        return true;
    std::size_t start = pos;
    while (start > knownBoundary && IsLeadByte(static_cast<unsigned char>(text[start - 1])))
        --start;
    return (pos - start) % 2 == 0;
}

}  // namespace cp932
