// Reading the field numbers of SearchCol.

#include "engine/FieldNumbers.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct NumberCase {
    const char* text;
    int number;
};

void PrintTo(const NumberCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class FieldNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(FieldNumber, IsReadLikeTheStandardDecimalConversion)
{
    EXPECT_EQ(ParseFieldNumber(GetParam().text), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Cases, FieldNumber,
                         ::testing::Values(NumberCase{"12", 12}, NumberCase{" \t3", 3}, NumberCase{"+4", 4},
                                           NumberCase{"-2", -2}, NumberCase{"7x", 7}, NumberCase{"1 2", 1},
                                           NumberCase{"x7", 0}, NumberCase{"", 0}, NumberCase{"- 1", 0},
                                           NumberCase{"99999999999", INT_MAX}, NumberCase{"-99999999999", INT_MIN}));

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

}  // namespace
