// Substring and byte search that never start on the second byte of a
// double-byte character.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/text/LeadByte.h"
#include "platform/text/Search.h"
#include "tests/platform/text/TextTestSupport.h"

namespace cp932 {
namespace {

using namespace std::string_literals;
constexpr std::size_t npos = std::string_view::npos;

TEST(Search, FindReturnsTheFirstOccurrenceThatStartsOnACharacterBoundary)
{
    const struct {
        const char* what;
        std::string text;
        std::string pattern;
        std::size_t expected;
    } cases[] = {
        {"empty pattern in empty text", "", "", 0},
        {"empty pattern", "abc", "", 0},
        {"empty text", "", "a", npos},
        {"plain ASCII", "abcabc", "ca", 2},
        {"absent", "abc", "d", npos},
        {"pattern longer than text", "ab", "abc", npos},
        {"whole text", "\x88\x9F", "\x88\x9F", 0},
        {"0x5C as second byte of 表 is no backslash", "\x95\x5C", "\\", npos},
        {"backslash after 表", "\x95\x5C\\", "\\", 2},
        {"0x7C as second byte of ポ is no bar", "\x83\x7C", "|", npos},
        {"bar after ポ", "\x83\x7C|", "|", 2},
        {"0x41 as second byte of ア is no A", "\x83\x41", "A", npos},
        {"A after ア", "\x83\x41\x41", "A", 2},
        {"straddling two characters of 亜亜", "\x88\x9F\x88\x9F", "\x9F\x88", npos},
        {"second candidate on a boundary", "\x88\x81\x82\xA0\x81\x82", "\x81\x82", 4},
        {"only candidate on a second byte", "\x88\x81\x82\xA0", "\x81\x82", npos},
        {"after an even run of lead-range bytes", "\x81\x81\x81\x40", "\x81\x40", 2},
        {"inside a run of lead-range bytes", "\x81\x81\x40", "\x81\x40", npos},
        {"lone lead byte at the end", "a\x82", "\x82", 1},
        {"pattern ending in a lead byte takes the next byte along", "\x82\xA0", "\x82", 0},
        {"half-width katakana are single bytes", "\xB1\xB2\xB3", "\xB2\xB3", 1},
        {"NUL bytes are ordinary", "a\0b\0c"s, "\0c"s, 3},
        {"NUL as second byte", "\x81\0\0"s, "\0"s, 2},
        {"Ctrl-Z is ordinary", "ab\x1A" "c", "\x1A" "c", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Find(c.text, c.pattern), c.expected) << c.what;
}

TEST(Search, FindByteTakesOnlySingleByteCharacters)
{
    const struct {
        const char* what;
        std::string text;
        char byte;
        std::size_t expected;
    } cases[] = {
        {"empty text", "", 'a', npos},
        {"plain", "abc", 'b', 1},
        {"absent", "abc", 'd', npos},
        {"second byte 0x5C of 表", "\x95\x5C", '\\', npos},
        {"backslash after 表", "\x95\x5C\\", '\\', 2},
        {"comma after a lead byte is its second byte", "\x81,,", ',', 2},
        {"second byte 0x7C of ポ", "\x83\x7C|", '|', 2},
        {"lead byte of a double-byte character", "\x82\xA0", '\x82', npos},
        {"lead byte standing alone at the end", "\x82\xA0\x82", '\x82', 2},
        {"lone trail byte", "\x40", '\x40', 0},
        {"half-width katakana", "\x88\x9F\xB1", '\xB1', 2},
        {"NUL", "ab\0"s, '\0', 2},
        {"NUL as second byte", "\x81\0\0"s, '\0', 2},
        {"many rejected candidates", "\x83\x5C\x83\x5C\x83\x5C\\", '\\', 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindByte(c.text, c.byte), c.expected) << c.what;
}

// The definition: walk the characters and try the pattern at each start.
std::size_t ReferenceFind(std::string_view text, std::string_view pattern)
{
    if (pattern.empty())
        return 0;
    for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) {
        if (text.substr(pos).starts_with(pattern))
            return pos;
    }
    return npos;
}

std::size_t ReferenceFindByte(std::string_view text, char byte)
{
    for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) {
        if (CharLength(text, pos) == 1 && text[pos] == byte)
            return pos;
    }
    return npos;
}

TEST(Search, FindAndFindByteAgreeWithACharacterWalkOnRandomBytes)
{
    // Few symbols, so that candidates, lead-byte runs and rejections are frequent.
    const char alphabet[] = {'A', '\\', '|', '\0', '\x81', '\x82', '\x9F', '\xE0', '\xA0', '\xB1', '\x40'};
    std::mt19937 random(20240932);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(alphabet) - 1);
    std::uniform_int_distribution<std::size_t> textLength(0, 40);
    std::uniform_int_distribution<std::size_t> patternLength(0, 4);
    auto randomBytes = [&](std::size_t n) {
        std::string s(n, '\0');
        for (char& b : s)
            b = alphabet[pick(random)];
        return s;
    };
    std::size_t found = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::string text = randomBytes(textLength(random));
        const std::string pattern = randomBytes(patternLength(random));
        const std::size_t expected = ReferenceFind(text, pattern);
        ASSERT_EQ(Find(text, pattern), expected) << "text " << test::Hex(text) << ", pattern " << test::Hex(pattern);
        found += expected != npos && !pattern.empty();
        for (char byte : alphabet)
            ASSERT_EQ(FindByte(text, byte), ReferenceFindByte(text, byte))
                << "text " << test::Hex(text) << ", byte " << test::Hex({&byte, 1});
    }
    // The inputs must exercise both outcomes for the comparison to mean something.
    EXPECT_GT(found, 1000u);
    EXPECT_LT(found, 19000u);
}

}  // namespace
}  // namespace cp932
