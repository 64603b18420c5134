#include "engine/SplitList.h"

#include <gtest/gtest.h>

#include "Sjis.h"

using Pieces = std::vector<std::string>;

TEST(SplitList, PiecesAreKeptExactlyAsCut)
{
    const struct {
        std::string text;
        Pieces pieces;
    } cases[] = {
        {"x", {"x"}},
        {"x,y", {"x", "y"}},
        {"x,,y", {"x", "", "y"}},
        {"x,", {"x", ""}},
        {",x", {"", "x"}},
        {",", {"", ""}},
        {" a , b ", {" a ", " b "}},
        // 表 is 0x95 0x5C and ポ is 0x83 0x7C; no comma can be a second byte, but
        // the pieces around double-byte characters must stay whole.
        {Sjis("表,ポ,ａ"), {Sjis("表"), Sjis("ポ"), Sjis("ａ")}},
        // A lead byte swallows the comma after it: 0x82 0x2C is one unit.
        {"a\x82,b", {"a\x82,b"}},
    };
    for (const auto& c : cases) {
        Pieces list{"left over"};
        EXPECT_TRUE(SplitList(c.text, list)) << c.text;
        EXPECT_EQ(list, c.pieces) << c.text;
    }
}

TEST(SplitList, AnEmptyStringGivesNoPiecesAndFalse)
{
    Pieces list{"left over"};
    EXPECT_FALSE(SplitList("", list));
    EXPECT_TRUE(list.empty());
}
