#include "engine/Keywords.h"

#include <gtest/gtest.h>

#include <bit>
#include <set>

#include "Sjis.h"

namespace {

struct Expected {
    const char* keyword;  // UTF-8
    const char* caption;  // UTF-8
    ClassMask mask;
    std::size_t bytes;
};

const Expected Table[] = {
    {"#数字#", "数字", ClassBit::HalfDigit, 6},
    {"#英字#", "英字", ClassBit::HalfAlpha, 6},
    {"#区切#", "区切", ClassBit::HalfPunct, 6},
    {"#カナ#", "カナ", ClassBit::HalfKana, 6},
    {"#制御#", "制御", ClassBit::HalfControl, 6},
    {"@記号１@", "記号1", ClassBit::Symbol1, 8},
    {"@記号２@", "記号2", ClassBit::Symbol2, 8},
    {"@英数字@", "英数字", ClassBit::FullAlnum, 8},
    {"@ひら@", "ひら", ClassBit::Hiragana, 6},
    {"@カナ@", "カナ", ClassBit::Katakana, 6},
    {"@ギリシャ@", "ｷﾞﾘｼｬ", ClassBit::Greek, 10},
    {"@ロシア@", "ﾛｼｱ", ClassBit::Cyrillic, 8},
    {"@特殊@", "特殊", ClassBit::Special, 6},
    {"@第１水準@", "第1漢", ClassBit::Kanji1, 10},
    {"@第２水準@", "第2漢", ClassBit::Kanji2, 10},
    {"@外字@", "外字", ClassBit::UserDefined, 6},
    {"@拡張@", "拡張", ClassBit::Extended, 6},
    {"@全角小文字@", "全角小文字", ClassBit::FullSmall, 12},
    {"@全角大文字@", "全角大文字", ClassBit::FullCapital, 12},
};

}  // namespace

TEST(Keywords, EachKeywordAndCaptionIsTheCodePageFormOfItsJapaneseSpelling)
{
    ASSERT_EQ(SpecialKeywords.size(), std::size(Table));
    for (std::size_t i = 0; i < SpecialKeywords.size(); ++i) {
        const SpecialKeyword& keyword = SpecialKeywords[i];
        EXPECT_EQ(keyword.Text, Sjis(Table[i].keyword)) << Table[i].keyword;
        EXPECT_EQ(keyword.Text.size(), Table[i].bytes) << Table[i].keyword;
        EXPECT_EQ(keyword.Caption, Sjis(Table[i].caption)) << Table[i].caption;
        EXPECT_EQ(keyword.Class, Table[i].mask) << Table[i].keyword;
    }
}

TEST(Keywords, EveryKeywordHasAClassBitOfItsOwn)
{
    std::set<ClassMask> seen;
    for (const SpecialKeyword& keyword : SpecialKeywords) {
        EXPECT_EQ(std::popcount(keyword.Class), 1) << keyword.Text;
        EXPECT_TRUE(seen.insert(keyword.Class).second) << keyword.Text;
    }
}

TEST(Keywords, OnlyTheExactKeywordIsRecognised)
{
    for (const Expected& expected : Table)
        EXPECT_EQ(FindKeyword(Sjis(expected.keyword)), expected.mask) << expected.keyword;

    const char* notKeywords[] = {"#数字#1", " #数字#", "#数字", "数字", "#すうじ#", "@カナ", "#カナ@", ""};
    for (const char* text : notKeywords)
        EXPECT_EQ(FindKeyword(Sjis(text)), std::nullopt) << text;
}
