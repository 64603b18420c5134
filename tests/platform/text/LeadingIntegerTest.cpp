#include "platform/text/LeadingInteger.h"

#include <gtest/gtest.h>

#include <climits>

TEST(LeadingInteger, ReadsLikeTheStandardDecimalConversion)
{
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"0", 0},          {"12", 12},       {" \t3", 3},     {"  12x", 12},
        {"+4", 4},         {"-2", -2},       {"7x", 7},       {"1 2", 1},
        {"x7", 0},         {"", 0},          {"- 1", 0},      {"-", 0},
        {"99999999999", INT_MAX},            {"-99999999999", INT_MIN},
        {"2147483647", INT_MAX},             {"-2147483648", INT_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LeadingInteger(c.text), c.value) << '"' << c.text << '"';
}
