#include "platform/text/Search.h"

#include <cstring>

#include "platform/text/LeadByte.h"

namespace cp932 {

// Both searches let the library find candidates at full speed (memchr on the
// first byte, then a compare; on record-sized texts this beats memmem, whose
// set-up per call costs more than the search) and reject those on a second
// byte afterwards. Each rejected candidate at pos tells that a character
// starts at pos - 1, so the boundary checks never scan back past the previous
// candidate.

std::size_t Find(std::string_view text, std::string_view pattern)
{
    std::size_t boundary = 0;
    for (std::size_t from = 0;;) {
        const std::size_t pos = text.find(pattern, from);
        if (pos == std::string_view::npos || IsCharBoundary(text, pos, boundary))
            return pos;
        boundary = pos - 1;
        from = pos + 1;
    }
}

std::size_t FindByte(std::string_view text, char byte)
{
    std::size_t boundary = 0;
    for (std::size_t from = 0; from < text.size();) {
        const void* hit = std::memchr(text.data() + from, byte, text.size() - from);
        if (hit == nullptr)
            return std::string_view::npos;
        const std::size_t pos = static_cast<const char*>(hit) - text.data();
        if (!IsCharBoundary(text, pos, boundary)) {
            boundary = pos - 1;
            from = pos + 1;
        } else if (CharLength(text, pos) == 2) {
            // A lead byte equal to byte, starting a double-byte character.
            boundary = pos + 2;
            from = pos + 2;
        } else {
            return pos;
        }
    }
    return std::string_view::npos;
}

}  // namespace cp932
