#include "platform/window/EditedText.h"

#include <vector>

#include "platform/text/Convert.h"
#include "platform/text/LeadByte.h"

namespace platform {
namespace {

// One character of the original: where its bytes start and the UTF-16 it shows as.
struct ShownChar {
    std::size_t byteStart;
    std::u16string shown;
};

std::vector<ShownChar> SplitShown(std::string_view bytes)
{
    std::vector<ShownChar> chars;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = cp932::CharLength(bytes, pos);
        chars.push_back({pos, cp932::ToUtf16Lossy(bytes.substr(pos, length))});
        pos += length;
    }
    return chars;
}

bool MatchesAt(std::u16string_view text, std::size_t at, std::u16string_view piece)
{
    return at + piece.size() <= text.size() && text.substr(at, piece.size()) == piece;
}

}  // namespace

QString ShownText(std::string_view cp932)
{
    return QString::fromStdU16String(cp932::ToUtf16Lossy(cp932));
}

std::optional<std::string> EditedBytes(std::string_view original, const QString& edited)
{
    const std::u16string text = edited.toStdU16String();
    const std::vector<ShownChar> chars = SplitShown(original);

    // Whole characters unchanged at the start...
    std::size_t head = 0, headUnits = 0;
    while (head < chars.size() && MatchesAt(text, headUnits, chars[head].shown))
        headUnits += chars[head++].shown.size();

    // ...and at the end, without overlapping the start.
    std::size_t tail = 0, tailUnits = 0;
    while (head + tail < chars.size()) {
        const std::u16string& shown = chars[chars.size() - 1 - tail].shown;
        if (headUnits + tailUnits + shown.size() > text.size() ||
            !MatchesAt(text, text.size() - tailUnits - shown.size(), shown))
            break;
        tailUnits += shown.size();
        ++tail;
    }

    const std::u16string_view typed(text.data() + headUnits, text.size() - headUnits - tailUnits);
    const std::optional<std::string> middle = cp932::FromUtf16(typed);
    if (!middle)
        return std::nullopt;

    const std::size_t headBytes = head < chars.size() ? chars[head].byteStart : original.size();
    const std::size_t tailBytes = tail == 0 ? original.size() : chars[chars.size() - tail].byteStart;
    std::string bytes(original.substr(0, headBytes));
    bytes += *middle;
    bytes += original.substr(tailBytes);
    return bytes;
}

}  // namespace platform
