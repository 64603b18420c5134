#include "engine/CharClassMatch.h"

#include <gtest/gtest.h>

#include "Sjis.h"
#include "engine/Keywords.h"
#include "platform/text/LeadByte.h"

namespace {

std::string Bytes(std::initializer_list<int> bytes)
{
    std::string text;
    for (int b : bytes)
        text.push_back(static_cast<char>(b));
    return text;
}

std::string Code(unsigned code)
{
    return Bytes({static_cast<int>(code >> 8), static_cast<int>(code & 0xFF)});
}

ClassMask KeywordClass(const char* utf8)
{
    return FindKeyword(Sjis(utf8)).value();
}

}  // namespace

TEST(MatchCharClass, HalfWidthClassesFollowTheTableOnEverySingleByte)
{
    const struct {
        ClassMask mask;
        std::vector<std::pair<int, int>> ranges;
    } classes[] = {
        {ClassBit::HalfDigit, {{0x30, 0x39}}},
        {ClassBit::HalfAlpha, {{0x41, 0x5A}, {0x61, 0x7A}}},
        {ClassBit::HalfPunct, {{0x21, 0x2F}, {0x3A, 0x40}, {0x5B, 0x60}, {0x7B, 0x7E}}},
        {ClassBit::HalfKana, {{0xA1, 0xDF}}},
        // NUL is a control character too: a text may hold one.
        {ClassBit::HalfControl, {{0x00, 0x1F}, {0x7F, 0x7F}}},
    };
    for (int byte = 0; byte < 256; ++byte) {
        if (cp932::IsLeadByte(static_cast<unsigned char>(byte)))
            continue;
        for (const auto& c : classes) {
            bool expected = false;
            for (const auto& [first, last] : c.ranges)
                expected = expected || (byte >= first && byte <= last);
            EXPECT_EQ(MatchCharClass(c.mask, Bytes({'\x20', byte})), expected)
                << "class " << c.mask << " byte " << byte;
        }
    }
}

TEST(MatchCharClass, FullWidthRangesIncludeBothEndsAndNothingBeside)
{
    const struct {
        const char* keyword;
        unsigned first;
        unsigned last;
    } ranges[] = {
        {"@記号１@", 0x8140, 0x819E},   {"@記号２@", 0x819F, 0x81FC},   {"@英数字@", 0x824F, 0x829A},
        {"@ひら@", 0x829F, 0x82F1},     {"@カナ@", 0x8340, 0x8396},     {"@ギリシャ@", 0x839F, 0x83FC},
        {"@ロシア@", 0x8440, 0x849E},   {"@特殊@", 0x849F, 0x889E},     {"@第１水準@", 0x889F, 0x989E},
        {"@第２水準@", 0x989F, 0x9FFC}, {"@第２水準@", 0xE040, 0xEAFC}, {"@外字@", 0xF040, 0xF9FC},
        {"@拡張@", 0xEB40, 0xEFFC},     {"@拡張@", 0xFA40, 0xFCFC},     {"@全角小文字@", 0x8281, 0x829A},
        {"@全角大文字@", 0x8260, 0x8279},
    };
    for (const auto& r : ranges) {
        const ClassMask mask = KeywordClass(r.keyword);
        EXPECT_TRUE(MatchCharClass(mask, Code(r.first))) << r.keyword << " " << std::hex << r.first;
        EXPECT_TRUE(MatchCharClass(mask, Code(r.last))) << r.keyword << " " << std::hex << r.last;
        EXPECT_FALSE(MatchCharClass(mask, Code(r.first - 1))) << r.keyword << " " << std::hex << r.first - 1;
        EXPECT_FALSE(MatchCharClass(mask, Code(r.last + 1))) << r.keyword << " " << std::hex << r.last + 1;
    }
}

TEST(MatchCharClass, KeywordCasesFromRealText)
{
    const struct {
        const char* keyword;
        std::string text;
        bool hit;
    } cases[] = {
        {"#数字#", "abc1", true},
        {"#数字#", Sjis("ａｂ１"), false},  // full-width digits are "@英数字@"
        {"@英数字@", Sjis("ａｂ１"), true},
        {"#英字#", Sjis("ａ"), false},  // second byte 0x81 is no letter
        {"#英字#", Code(0x8261), false},  // second byte 0x61 is "a" but belongs to the character
        {"#区切#", Code(0x815B), false},  // second byte 0x5B is "[" but belongs to the character
        {"#区切#", "a-b", true},
        {"#制御#", "a\tb", true},
        {"#制御#", Bytes({'a', 0x00, 'b'}), true},
        {"#制御#", Code(0x8109), false},  // a lead byte takes the byte after it, even a TAB
        {"#カナ#", Sjis("ｱ"), true},
        {"#カナ#", Bytes({0xA0}), false},
        {"#カナ#", Bytes({0xA1}), true},  // ｡
        {"#カナ#", Bytes({0xA5}), true},  // ･
        {"@カナ@", Bytes({0xA1, 0xA2, 0xA3, 0xA4, 0xA5}), false},
        {"@カナ@", Sjis("ア"), true},
        {"@ひら@", Sjis("abcあ"), true},
        {"@第１水準@", Sjis("亜"), true},
        {"@第１水準@", Sjis("弌"), false},  // level 2
        {"@第２水準@", Sjis("弌"), true},
        {"@第２水準@", Sjis("亜"), false},
        {"@全角小文字@", Sjis("Ａ"), false},
        {"@全角大文字@", Sjis("Ａ"), true},
        {"@ロシア@", Sjis("Жж"), true},
        {"@ギリシャ@", Sjis("α"), true},
        {"@特殊@", Sjis("①"), true},  // 0x8740, NEC row 13
        {"@拡張@", Sjis("ⅰ"), true},  // 0xEEEF or 0xFA40
        {"@外字@", Code(0xF040), true},
        // A lead byte as the last byte is the code lead * 256 and ends the walk.
        {"@第１水準@", Bytes({'a', 0x89}), true},  // 0x8900
        {"@特殊@", Bytes({'a', 0x88}), true},  // 0x8800
        {"@第１水準@", Bytes({0x88}), false},
        {"@記号１@", Bytes({0x81}), false},  // 0x8100 lies below 0x8140
        {"@外字@", Bytes({0xF1}), true},  // 0xF100
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchCharClass(KeywordClass(c.keyword), c.text), c.hit) << c.keyword;
}

TEST(MatchCharClass, AnEmptyTextHasNoCharacterOfAnyClass)
{
    EXPECT_FALSE(MatchCharClass(~ClassMask{0}, ""));
}

TEST(MatchCharClass, AMaskOfSeveralClassesHitsOnAnyOfThem)
{
    const ClassMask digitsOrHiragana = ClassBit::HalfDigit | ClassBit::Hiragana;
    EXPECT_TRUE(MatchCharClass(digitsOrHiragana, "x7"));
    EXPECT_TRUE(MatchCharClass(digitsOrHiragana, Sjis("xあ")));
    EXPECT_FALSE(MatchCharClass(digitsOrHiragana, Sjis("xア")));
    EXPECT_FALSE(MatchCharClass(0, Sjis("1あ")));
}
