#include "settings/SearchInf.h"

#include <gtest/gtest.h>

TEST(SearchInf, ANewConditionIsEnabledWithWildcardsAndNoExclusions)
{
    const CSearchInf condition;
    EXPECT_EQ(condition.SearchNotUse, 0);
    EXPECT_EQ(condition.WildMode, 1);
    EXPECT_EQ(condition.SearchString, "");
    EXPECT_EQ(condition.SkipUse, 0);
    EXPECT_EQ(condition.SkipStr, "");
}

TEST(SearchInf, MatchModeNeedsWildcardsOnAndAWildcardInTheString)
{
    const struct {
        int WildMode;
        const char* SearchString;
        bool matchMode;
    } cases[] = {
        {1, "abc*", true},
        {1, "a?c", true},
        {1, "*", true},
        {1, "abc", false},  // wildcards on but none in the string: contains mode
        {0, "a*b", false},
        {0, "?", false},
        {2, "x?", true},  // any non-zero WildMode turns wildcards on
        {1, "", false},
        // A double-byte character whose second byte is not 0x2A or 0x3F.
        {1, "\x82\xA0", false},
    };
    for (const auto& c : cases) {
        CSearchInf condition;
        condition.WildMode = c.WildMode;
        condition.SearchString = c.SearchString;
        EXPECT_EQ(condition.IsMatchMode(), c.matchMode) << c.WildMode << " " << c.SearchString;
    }
}
