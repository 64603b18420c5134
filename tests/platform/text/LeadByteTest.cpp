// Lead bytes, character lengths and the backward boundary test.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/text/LeadByte.h"
#include "tests/platform/text/TextTestSupport.h"

namespace cp932 {
namespace {

using namespace std::string_literals;

TEST(LeadByte, TheLeadRangesEndExactlyAtTheirEdges)
{
    const struct {
        unsigned char byte;
        bool lead;
    } cases[] = {
        {0x00, false}, {0x40, false}, {0x5C, false}, {0x7F, false}, {0x80, false},
        {0x81, true},  {0x9F, true},  {0xA0, false}, {0xA1, false}, {0xDF, false},
        {0xE0, true},  {0xEF, true},  {0xFC, true},  {0xFD, false}, {0xFF, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsLeadByte(c.byte), c.lead) << std::hex << int(c.byte);
}

TEST(LeadByte, ALeadByteTakesTheNextByteWhateverItIsButStandsAloneAtTheEnd)
{
    const struct {
        std::string text;
        std::size_t pos;
        std::size_t length;
    } cases[] = {
        {"\x82\xA0", 0, 2},     // あ
        {"\x95\x5C", 0, 2},     // 表: second byte 0x5C
        {"\x81\x00"s, 0, 2},    // undefined pair with NUL
        {"\x81\x0A", 0, 2},     // undefined pair with LF
        {"a\x82", 1, 1},        // lead byte as the last byte
        {"\x82", 0, 1},
        {"\x5C", 0, 1},
        {"\xA0", 0, 1},
        {"\xB1\x40", 0, 1},     // half-width katakana is never a lead byte
        {"\xFD\x40", 0, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CharLength(c.text, c.pos), c.length) << test::Hex(c.text) << " at " << c.pos;
}

// Boundaries found by walking the text from its start, the definition the
// backward test must agree with.
std::vector<bool> WalkBoundaries(std::string_view text)
{
    std::vector<bool> boundary(text.size() + 1, false);
    for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos))
        boundary[pos] = true;
    boundary[text.size()] = true;
    return boundary;
}

TEST(LeadByte, TheBoundaryTestAgreesWithTheTableOfCases)
{
    // One mark per position 0..size: 'B' for a boundary, '-' for a second byte.
    const struct {
        std::string text;
        std::string marks;
    } cases[] = {
        {"", "B"},
        {"ab", "BBB"},
        {"\x82\xA0", "B-B"},                       // あ
        {"\x40\x5C\x7C", "BBBB"},                  // lone trail-range bytes
        {"a\x81", "BBB"},                          // lead byte as the last byte
        {"\x81\x81\x81\x81", "B-B-B"},             // an even run of lead-range bytes
        {"\x81\x81\x81", "B-BB"},                  // an odd run ends with a lone lead byte
        {"a\x88\x9F\x88\x9F", "BB-B-B"},           // 亜亜: trail bytes in the lead range
        {"\x95\x5C\x5C", "B-BB"},                  // 表 then a backslash
        {"\x83\x7C|", "B-BB"},                     // ポ then a bar
        {"\xB1\x81\x40", "BB-B"},                  // ｱ then 　
        {"\x81\x00z"s, "B-BB"},                    // NUL as a second byte
        {"\x1A\x81\x1A", "BB-B"},
        {"\xE0\x9F\xE0\x40\x9F", "B-B-BB"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.marks.size(), c.text.size() + 1);
        for (std::size_t pos = 0; pos <= c.text.size(); ++pos)
            EXPECT_EQ(IsCharBoundary(c.text, pos), c.marks[pos] == 'B') << test::Hex(c.text) << " at " << pos;
        const std::vector<bool> walked = WalkBoundaries(c.text);
        for (std::size_t pos = 0; pos <= c.text.size(); ++pos)
            EXPECT_EQ(walked[pos], c.marks[pos] == 'B') << "table entry " << test::Hex(c.text) << " at " << pos;
    }
}

TEST(LeadByte, TheBoundaryTestAgreesWithAForwardWalkOnRandomBytesFromAnyKnownBoundary)
{
    const unsigned char alphabet[] = {'A', 'a', 0x00, 0x1A, 0x40, 0x5C, 0x7C, 0x80, 0x81, 0x82,
                                      0x9F, 0xA0, 0xB1, 0xDF, 0xE0, 0xFC, 0xFD};
    std::mt19937 random(932);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(alphabet) - 1);
    std::uniform_int_distribution<std::size_t> length(0, 24);
    for (int round = 0; round < 5000; ++round) {
        std::string text(length(random), '\0');
        for (char& b : text)
            b = static_cast<char>(alphabet[pick(random)]);
        const std::vector<bool> walked = WalkBoundaries(text);
        for (std::size_t known = 0; known <= text.size(); ++known) {
            if (!walked[known])
                continue;
            for (std::size_t pos = known; pos <= text.size(); ++pos)
                ASSERT_EQ(IsCharBoundary(text, pos, known), walked[pos])
                    << test::Hex(text) << " at " << pos << " from " << known;
        }
    }
}

}  // namespace
}  // namespace cp932
