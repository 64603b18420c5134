// Conversion between code page 932 and UTF-8 / UTF-16: lossy decoding for
// display, exact conversions that refuse what they cannot carry over.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

#include "platform/text/Convert.h"
#include "platform/text/LeadByte.h"
#include "tests/platform/text/TextTestSupport.h"

namespace cp932 {
namespace {

using namespace std::string_literals;

struct DecodeCase {
    const char* what;
    std::string bytes;
    std::u32string text;  // U+FFFD where the input holds an undefined unit
};

const DecodeCase kDecodeCases[] = {
    {"valid text", "a\x82\xA0\x88\x9F", U"aあ亜"},
    {"lone 0x80", "a\x80" "b", U"a\uFFFDb"},
    {"lone 0xA0", "a\xA0" "b", U"a\uFFFDb"},
    {"lone 0xFD", "a\xFD" "b", U"a\uFFFDb"},
    {"lone 0xFE", "\xFE", U"\uFFFD"},
    {"lone 0xFF", "\xFF", U"\uFFFD"},
    {"lead byte with an undefined second byte", "a\x85\x40" "b", U"a\uFFFDb"},
    {"unassigned pair 0xEB81", "\xEB\x81", U"\uFFFD"},
    {"lead byte with 0x7F", "\x81\x7F", U"\uFFFD"},
    {"lead byte with a blank takes the blank along", "\x81 x", U"\uFFFDx"},
    {"lead byte at the end", "a\x82", U"a\uFFFD"},
    {"two undefined bytes in a row", "\x80\x80", U"\uFFFD\uFFFD"},
    {"valid text around an undefined byte", "\x82\xA0\x80\x82\xA2", U"あ\uFFFDい"},
    {"NUL and Ctrl-Z", "a\0\x1A"s, U"a\0\x1A"s},
};

bool HasReplacement(std::u32string_view text)
{
    return text.find(U'\uFFFD') != std::u32string_view::npos;
}

TEST(Convert, LossyDecodingReplacesEachUndefinedUnitWithOneReplacementCharacter)
{
    for (const DecodeCase& c : kDecodeCases) {
        EXPECT_EQ(ToUtf8Lossy(c.bytes), test::Utf8(c.text)) << c.what;
        EXPECT_EQ(ToUtf16Lossy(c.bytes), test::Utf16(c.text)) << c.what;
    }
}

TEST(Convert, ExactDecodingRefusesTextWithAnUndefinedUnit)
{
    for (const DecodeCase& c : kDecodeCases) {
        const std::optional<std::string> utf8 = ToUtf8(c.bytes);
        if (HasReplacement(c.text))
            EXPECT_FALSE(utf8) << c.what;
        else
            EXPECT_EQ(utf8, test::Utf8(c.text)) << c.what;
    }
}

TEST(Convert, LongTextConvertsAcrossTheInternalBufferSize)
{
    std::string bytes;
    std::u32string text;
    for (int i = 0; i < 5000; ++i) {
        bytes += "\x88\x9F";
        text += U'亜';
        if (i == 2500) {
            bytes += '\x80';
            text += U'\uFFFD';
        }
    }
    EXPECT_EQ(ToUtf8Lossy(bytes), test::Utf8(text));
    EXPECT_EQ(ToUtf16Lossy(bytes), test::Utf16(text));
    const std::string valid = bytes.substr(0, 2 * 2500) + bytes.substr(2 * 2500 + 3);
    ASSERT_TRUE(ToUtf8(valid));
    EXPECT_EQ(FromUtf8(*ToUtf8(valid)), valid);
}

struct RoundTripCase {
    const char* what;
    std::string bytes;
    std::u32string text;
};

const RoundTripCase kRoundTrips[] = {
    {"empty", "", U""},
    {"0x5C is the backslash", "\\", U"\\"},
    {"0x7E is the tilde", "~", U"~"},
    {"controls, NUL and Ctrl-Z", "\0\t\x1A\x7F"s, U"\0\t\x1A\x7F"s},
    {"hiragana, katakana, kanji", "\x82\xA0\x83\x41\x88\x9F", U"あア亜"},
    {"half-width katakana", "\xB1\xDF", U"ｱﾟ"},
    {"NEC row 13 Roman numeral", "\x87\x54", U"Ⅰ"},
    {"NEC row 13 numero sign", "\x87\x82", U"№"},
    {"IBM extension kanji", "\xFA\x8D", U"\u5393"},
    {"user-defined area, first", "\xF0\x40", U"\uE000"},
    {"user-defined area, last", "\xF9\xFC", U"\uE757"},
    {"full-width reverse solidus", "\x81\x5F", U"\uFF3C"},
    {"full-width tilde", "\x81\x60", U"\uFF5E"},
    {"parallel to", "\x81\x61", U"\u2225"},
    {"full-width hyphen-minus", "\x81\x7C", U"\uFF0D"},
    {"full-width cent, pound, not", "\x81\x91\x81\x92\x81\xCA", U"\uFFE0\uFFE1\uFFE2"},
    {"mixed", "a\\\x95\x5C|\x83\x7C", U"a\\表|ポ"},
};

TEST(Convert, ExactConversionsRoundTripEveryCase)
{
    for (const RoundTripCase& c : kRoundTrips) {
        EXPECT_EQ(ToUtf8(c.bytes), test::Utf8(c.text)) << c.what;
        EXPECT_EQ(ToUtf16Lossy(c.bytes), test::Utf16(c.text)) << c.what;
        EXPECT_EQ(FromUtf8(test::Utf8(c.text)), c.bytes) << c.what;
        EXPECT_EQ(FromUtf16(test::Utf16(c.text)), c.bytes) << c.what;
    }
}

TEST(Convert, ACharacterWithTwoCodesEncodesToTheIbmOne)
{
    const struct {
        std::string necSelected;
        std::string encoded;
    } cases[] = {
        {"\xEE\xEF", "\xFA\x40"},  // ⅰ
        {"\xED\x40", "\xFA\x5C"},  // 纊
        {"\xFA\x4A", "\x87\x54"},  // Ⅰ, whose first code is in the NEC special row
    };
    for (const auto& c : cases) {
        const std::optional<std::string> utf8 = ToUtf8(c.necSelected);
        ASSERT_TRUE(utf8) << test::Hex(c.necSelected);
        EXPECT_EQ(ToUtf8(c.encoded), utf8) << test::Hex(c.necSelected);
        EXPECT_EQ(FromUtf8(*utf8), c.encoded) << test::Hex(c.necSelected);
    }
}

TEST(Convert, EncodingRefusesCharactersOutsideTheCodePageAndMalformedInput)
{
    const std::string utf8Cases[] = {
        "\xEF\xBF\xBD",          // U+FFFD
        "a\xF0\x9F\x98\x80",     // emoji
        "caf\xC3\xA9",           // U+00E9
        "\xC3",                  // truncated sequence
        "a\xC3(",                // lead byte without its continuation
        "\xC0\xAF",              // overlong solidus
        "\xED\xA0\x80",          // encoded surrogate
        "\xF4\x90\x80\x80",      // beyond U+10FFFF
        "\x80",                  // lone continuation byte
        "\xFF",
    };
    for (const std::string& c : utf8Cases)
        EXPECT_FALSE(FromUtf8(c)) << test::Hex(c);

    const std::u16string utf16Cases[] = {
        u"\uFFFD", u"\U0001F600", u"caf\u00E9", {u'\xD800'}, {u'a', u'\xDC00'}, {u'\xDC00', u'\xD800'},
    };
    for (const std::u16string& c : utf16Cases)
        EXPECT_FALSE(FromUtf16(c)) << c.size() << " units";
}

// iconv's CP932 encoder writes these as the code of a look-alike that decodes
// to another character (U+00A5 as the backslash 0x5C); they would come back
// as something else.
TEST(Convert, EncodingRefusesCharactersThatIconvWritesAsALookAlike)
{
    const std::u32string lookAlikes = U"\u00A5\u203E\u301C\u2016\u2212\u00A2\u00A3\u00AC\u2014";
    for (char32_t c : lookAlikes) {
        EXPECT_FALSE(FromUtf8(test::Utf8(c))) << std::hex << static_cast<unsigned>(c);
        EXPECT_FALSE(FromUtf16(test::Utf16(std::u32string(1, c)))) << std::hex << static_cast<unsigned>(c);
        EXPECT_FALSE(FromUtf8("abc" + test::Utf8(c))) << std::hex << static_cast<unsigned>(c);
    }
}

std::optional<std::string> ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Convert, TheShiftJisVectorConvertsBothWays)
{
    const std::filesystem::path dir = std::filesystem::path(LODESTREL_CORPORA_DIR) / "vectors" / "cpython";
    const std::optional<std::string> sjis = ReadFile(dir / "shift_jis.txt");
    const std::optional<std::string> utf8 = ReadFile(dir / "shift_jis-utf8.txt");
    if (!sjis || !utf8)
        GTEST_SKIP() << "no conversion vectors in " << dir;
    EXPECT_EQ(ToUtf8(*sjis), *utf8);
    EXPECT_EQ(ToUtf8Lossy(*sjis), *utf8);
    EXPECT_EQ(FromUtf8(*utf8), *sjis);
}

// The complete decode table: every code it lists decodes to its character,
// every other code does not decode.
TEST(Convert, DecodingAgreesWithTheCompleteCodePageTable)
{
    const std::filesystem::path path =
        std::filesystem::path(LODESTREL_CORPORA_DIR) / "vectors" / "libiconv" / "CP932.TXT";
    const std::optional<std::string> table = ReadFile(path);
    if (!table)
        GTEST_SKIP() << "no code page table at " << path;
    std::vector<char32_t> charOf(0x10000, 0);
    std::vector<bool> listed(0x10000, false);
    std::istringstream lines(*table);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        unsigned code = 0;
        unsigned unicode = 0;
        fields >> std::hex >> code >> unicode;
        ASSERT_TRUE(fields && code < 0x10000) << line;
        charOf[code] = unicode;
        listed[code] = true;
    }
    std::size_t decoded = 0;
    for (unsigned code = 0; code < 0x10000; ++code) {
        const bool single = code < 0x100;
        if (!single && !IsLeadByte(static_cast<unsigned char>(code >> 8)))
            continue;
        if (single && IsLeadByte(static_cast<unsigned char>(code)))
            continue;
        const std::string bytes = single ? std::string(1, static_cast<char>(code))
                                         : std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
        const std::optional<std::string> utf8 = ToUtf8(bytes);
        if (listed[code]) {
            EXPECT_EQ(utf8, test::Utf8(charOf[code])) << test::Hex(bytes);
            // Exact encoding takes the character back to this code or to another code of the same character.
            const std::optional<std::string> back = utf8 ? FromUtf8(*utf8) : std::nullopt;
            ASSERT_TRUE(back) << test::Hex(bytes);
            EXPECT_EQ(ToUtf8(*back), utf8) << test::Hex(bytes);
        } else {
            EXPECT_FALSE(utf8) << test::Hex(bytes);
        }
        decoded += utf8.has_value();
    }
    EXPECT_EQ(decoded, 9795u);
}

TEST(Convert, RandomBytesDecodeToOneCodePointPerCharacterWithoutFaults)
{
    std::mt19937 random(932);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> length(0, 64);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes(length(random), '\0');
        for (char& b : bytes)
            b = static_cast<char>(byte(random));
        std::size_t characters = 0;
        for (std::size_t pos = 0; pos < bytes.size(); pos += CharLength(bytes, pos))
            ++characters;
        const std::string utf8 = ToUtf8Lossy(bytes);
        ASSERT_EQ(test::CodePoints(utf8).size(), characters) << test::Hex(bytes);
        ASSERT_EQ(ToUtf16Lossy(bytes).size(), characters) << test::Hex(bytes);
        const std::optional<std::string> exact = ToUtf8(bytes);
        if (exact)
            ASSERT_EQ(*exact, utf8) << test::Hex(bytes);
        else
            ASSERT_NE(utf8.find("\xEF\xBF\xBD"), std::string::npos) << test::Hex(bytes);
    }
}

TEST(Convert, RandomUtf8EitherEncodesExactlyOrIsRefused)
{
    std::mt19937 random(932);
    // Pieces of valid and broken UTF-8 put together at random.
    const std::string pieces[] = {"a", "\\", "~", "\0"s, "\xE3\x81\x82", "\xEF\xBD\xB1", "\xC2\xA5", "\xE2\x80\xBE",
                                  "\xE3\x80\x9C", "\xEE\x80\x80", "\xEF\xBF\xBD", "\xC3", "\x80", "\xED\xA0\x80",
                                  "\xF0\x9F\x98\x80", "\xE2\x85\xB0"};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<std::size_t> length(0, 12);
    std::size_t encoded = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string utf8;
        for (std::size_t n = length(random); n > 0; --n)
            utf8 += pieces[pick(random)];
        if (const std::optional<std::string> bytes = FromUtf8(utf8)) {
            ASSERT_EQ(ToUtf8(*bytes), utf8) << test::Hex(utf8);
            ++encoded;
        }
    }
    EXPECT_GT(encoded, 100u);
}

}  // namespace
}  // namespace cp932
