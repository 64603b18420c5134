#include "platform/text/CaseFold.h"

#include <array>
#include <cstdint>

#include "platform/text/CaseTable.generated.h"
#include "platform/text/LeadByte.h"

namespace cp932 {
namespace {

// The generated list laid out for lookup: only a handful of lead bytes have
// characters with capitals, so each of them gets one row of 256 capitals
// indexed by the second byte, and every other lead byte needs a single look
// into a 256-byte index. A few kilobytes, which stay in the cache.
constexpr std::size_t CountRows()
{
    std::array<bool, 256> used{};
    std::size_t rows = 0;
    for (const CaseMapping& m : kDoubleByteCapitals) {
        if (!used[m.small >> 8])
            ++rows;
        used[m.small >> 8] = true;
    }
    return rows;
}

struct UpperTable {
    // Every byte as a single-byte character: a-z become A-Z.
    std::array<unsigned char, 256> single{};
    // 0 when no character with this lead byte changes, else its row + 1.
    std::array<std::uint8_t, 256> rowOfLead{};
    // The capital of lead/second byte, 0 when the character stays.
    std::array<std::array<std::uint16_t, 256>, CountRows()> capital{};
};

constexpr UpperTable BuildUpperTable()
{
    UpperTable table;
    for (int b = 0; b < 256; ++b)
        table.single[b] = static_cast<unsigned char>(b >= 'a' && b <= 'z' ? b - ('a' - 'A') : b);
    std::size_t rows = 0;
    for (const CaseMapping& m : kDoubleByteCapitals) {
        std::uint8_t& row = table.rowOfLead[m.small >> 8];
        if (row == 0)
            row = static_cast<std::uint8_t>(++rows);
        table.capital[row - 1][m.small & 0xFF] = m.capital;
    }
    return table;
}

constexpr UpperTable kUpper = BuildUpperTable();

}  // namespace

void UpperInPlace(char* text, std::size_t size)
{
    auto* bytes = reinterpret_cast<unsigned char*>(text);
    std::size_t i = 0;
    // The last byte is handled after the loop: a lead byte there stands alone.
    while (i + 1 < size) {
        const unsigned char b = bytes[i];
        if (!IsLeadByte(b)) {
            bytes[i] = kUpper.single[b];
            ++i;
            continue;
        }
        if (const std::uint8_t row = kUpper.rowOfLead[b]) {
            if (const std::uint16_t capital = kUpper.capital[row - 1][bytes[i + 1]]) {
                bytes[i] = static_cast<unsigned char>(capital >> 8);
                bytes[i + 1] = static_cast<unsigned char>(capital & 0xFF);
            }
        }
        i += 2;
    }
    if (i < size)
        bytes[i] = kUpper.single[bytes[i]];
}

}  // namespace cp932
