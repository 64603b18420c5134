// Upper-casing of code page 932 text in place, and the generated table of
// double-byte capitals behind it.

#include <gtest/gtest.h>

#include <clocale>
#include <ctype.h>
#include <locale.h>
#include <string>
#include <wctype.h>

#include "platform/text/CaseFold.h"
#include "platform/text/CaseTable.generated.h"
#include "platform/text/Convert.h"
#include "platform/text/LeadByte.h"
#include "tests/platform/text/TextTestSupport.h"

namespace cp932 {
namespace {

using namespace std::string_literals;

struct FoldCase {
    const char* what;
    std::string input;
    std::string expected;
    // What input and expected spell, to check the byte literals themselves.
    std::u32string inputText;
    std::u32string expectedText;
};

const FoldCase kFoldCases[] = {
    {"ASCII letters", "abcxyz", "ABCXYZ", U"abcxyz", U"ABCXYZ"},
    {"bytes next to the letters stay", "@[`{AZ09", "@[`{AZ09", U"@[`{AZ09", U"@[`{AZ09"},
    {"full-width Latin", "\x82\x81\x82\x9A", "\x82\x60\x82\x79", U"ａｚ", U"ＡＺ"},
    {"Greek", "\x83\xBF\x83\xD6", "\x83\x9F\x83\xB6", U"αω", U"ΑΩ"},
    {"Cyrillic", "\x84\x70\x84\x91", "\x84\x40\x84\x60", U"ая", U"АЯ"},
    {"Cyrillic io, out of alphabetical order", "\x84\x76", "\x84\x46", U"ё", U"Ё"},
    {"small Roman numeral, NEC-selected IBM code", "\xEE\xEF", "\x87\x54", U"ⅰ", U"Ⅰ"},
    {"small Roman numeral, IBM code", "\xFA\x40", "\x87\x54", U"ⅰ", U"Ⅰ"},
    {"small Roman numeral ten, IBM code", "\xFA\x49", "\x87\x5D", U"ⅹ", U"Ⅹ"},
    {"capital Roman numeral, IBM duplicate code", "\xFA\x4A", "\xFA\x4A", U"Ⅰ", U"Ⅰ"},
    {"capital Roman numeral, NEC special row", "\x87\x54", "\x87\x54", U"Ⅰ", U"Ⅰ"},
    {"capitals stay", "\x82\x60\x83\x9F\x84\x40", "\x82\x60\x83\x9F\x84\x40", U"ＡΑА", U"ＡΑА"},
    {"half-width katakana", "\xB1\xDF\xA1", "\xB1\xDF\xA1", U"ｱﾟ｡", U"ｱﾟ｡"},
    {"second byte a of ヂ is no letter", "\x83\x61", "\x83\x61", U"ヂ", U"ヂ"},
    {"second byte a of 蛎 is no letter", "\x8A\x61", "\x8A\x61", U"蛎", U"蛎"},
    {"mixed text", "a\x82\x82\x83\xC1\x8A\xBF\x84\x44z", "A\x82\x61\x83\xA1\x8A\xBF\x84\x44Z", U"aｂγ漢Дz",
     U"AＢΓ漢ДZ"},
    {"lead byte at the end", "a\x82", "A\x82", U"a\uFFFD", U"A\uFFFD"},
    {"NUL and Ctrl-Z", "a\0b\x1A" "c"s, "A\0B\x1A" "C"s, U"a\0b\x1A" "c"s, U"A\0B\x1A" "C"s},
};

TEST(CaseFold, UpperInPlaceChangesExactlyTheSmallLettersInTheTableOfCases)
{
    for (const FoldCase& c : kFoldCases) {
        std::string text = c.input;
        UpperInPlace(text);
        EXPECT_EQ(test::Hex(text), test::Hex(c.expected)) << c.what;
    }
}

TEST(CaseFold, TheByteLiteralsOfTheCasesSpellTheirCharacters)
{
    for (const FoldCase& c : kFoldCases) {
        EXPECT_EQ(ToUtf8Lossy(c.input), test::Utf8(c.inputText)) << c.what;
        EXPECT_EQ(ToUtf8Lossy(c.expected), test::Utf8(c.expectedText)) << c.what;
    }
}

TEST(CaseFold, UndefinedBytesAndTruncatedCharactersStayAsTheyAre)
{
    const std::string cases[] = {"\x80", "\xA0", "\xFD", "\xFE", "\xFF", "\x82", "\x85\x40", "\xEB\x81", "\x81\x7F"};
    for (const std::string& c : cases) {
        std::string text = c;
        UpperInPlace(text);
        EXPECT_EQ(text, c) << test::Hex(c);
        std::string followed = c + "a";
        UpperInPlace(followed);
        // A lead byte takes the letter as its second byte; any other byte leaves it a letter.
        EXPECT_EQ(followed, c + (c.size() == 1 && IsLeadByte(c[0]) ? "a" : "A")) << test::Hex(c);
    }
}

TEST(CaseFold, EverySingleByteFollowsTheCLocale)
{
    const locale_t c = newlocale(LC_CTYPE_MASK, "C", locale_t{});
    ASSERT_NE(c, locale_t{});
    for (int b = 0; b < 256; ++b) {
        std::string text(1, static_cast<char>(b));
        UpperInPlace(text);
        EXPECT_EQ(static_cast<unsigned char>(text[0]), toupper_l(b, c)) << std::hex << b;
    }
    freelocale(c);
}

// Unicode's simple upper-case mapping, from glibc's C.UTF-8 locale: a second
// source beside the one the generator used.
class UnicodeUpper {
public:
    UnicodeUpper() : m_locale(newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{})) {}
    ~UnicodeUpper() { freelocale(m_locale); }
    UnicodeUpper(const UnicodeUpper&) = delete;
    UnicodeUpper& operator=(const UnicodeUpper&) = delete;

    bool Available() const { return m_locale != locale_t{}; }
    char32_t operator()(char32_t c) const { return static_cast<char32_t>(towupper_l(c, m_locale)); }

private:
    locale_t m_locale;
};

std::string Bytes(std::uint16_t code)
{
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

TEST(CaseFold, EveryTableEntryMapsACharacterToTheCodeOfItsUnicodeCapital)
{
    const UnicodeUpper upper;
    ASSERT_TRUE(upper.Available());
    ASSERT_GT(std::size(kDoubleByteCapitals), 100u);
    for (const CaseMapping& m : kDoubleByteCapitals) {
        const std::optional<std::string> small = ToUtf8(Bytes(m.small));
        ASSERT_TRUE(small) << std::hex << m.small;
        const std::optional<std::string> capital = ToUtf8(Bytes(m.capital));
        ASSERT_TRUE(capital) << std::hex << m.capital;
        const std::u32string smallChars = test::CodePoints(*small);
        ASSERT_EQ(smallChars.size(), 1u) << std::hex << m.small;
        EXPECT_NE(*capital, *small) << std::hex << m.small;
        EXPECT_EQ(*capital, test::Utf8(upper(smallChars[0]))) << std::hex << m.small;
        // The capital's code is the one the capital encodes to.
        EXPECT_EQ(FromUtf8(*capital), Bytes(m.capital)) << std::hex << m.small;
    }
}

TEST(CaseFold, EveryDoubleByteCodeChangesExactlyWhenItsUnicodeCapitalIsInTheCodePage)
{
    const UnicodeUpper upper;
    ASSERT_TRUE(upper.Available());
    std::size_t changed = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsLeadByte(static_cast<unsigned char>(lead)))
            continue;
        for (int trail = 0; trail < 256; ++trail) {
            const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
            std::string expected = code;
            if (const std::optional<std::string> utf8 = ToUtf8(code)) {
                const std::u32string chars = test::CodePoints(*utf8);
                if (chars.size() == 1 && upper(chars[0]) != chars[0]) {
                    if (std::optional<std::string> capital = FromUtf8(test::Utf8(upper(chars[0]))))
                        expected = *capital;
                }
            }
            std::string text = code;
            UpperInPlace(text);
            EXPECT_EQ(test::Hex(text), test::Hex(expected)) << "for " << test::Hex(code);
            changed += text != code;
        }
    }
    EXPECT_EQ(changed, std::size(kDoubleByteCapitals));
}

}  // namespace
}  // namespace cp932
