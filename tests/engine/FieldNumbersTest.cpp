// Reading the field numbers of SearchCol.

#include "engine/FieldNumbers.h"

#include <gtest/gtest.h>


TEST(FieldNumbers, KeepTheOrderAndRepeatsOfTheList)
{
    EXPECT_EQ(ParseFieldNumbers("2,1,2"), (std::vector<int>{2, 1, 2}));
    EXPECT_EQ(ParseFieldNumbers(" 3, 4"), (std::vector<int>{3, 4}));
    EXPECT_EQ(ParseFieldNumbers("1,"), (std::vector<int>{1, 0}));
    EXPECT_TRUE(ParseFieldNumbers("").empty());
}

TEST(FieldNumbers, AreValidOnlyWhenEveryEntryNamesAField)
{
    EXPECT_TRUE(AllFieldNumbersValid({1, 5, 1}));
    EXPECT_FALSE(AllFieldNumbersValid({1, 0}));
    EXPECT_FALSE(AllFieldNumbersValid({-1}));
}
