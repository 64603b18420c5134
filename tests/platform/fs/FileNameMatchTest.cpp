#include "platform/fs/FileNameMatch.h"

#include <gtest/gtest.h>

#include <string>

using platform::MatchFileName;

TEST(FileNameMatch, FollowsWindowsRulesForFileNames)
{
    struct Case {
        const char* pattern;
        std::string name;
        bool match;
    };
    const Case cases[] = {
        {"*.txt", "a.txt", true},
        {"*.txt", "A.TXT", true},          // case-insensitive
        {"*.TXT", "report.txt", true},
        {"*.txt", "a.txt.bak", false},     // anchored at the end
        {"*.txt", "txt", false},
        {"*.*", "README", true},           // every name, with or without a dot
        {"*.*", ".hidden", true},
        {"*", "anything.csv", true},
        {"a?c", "abc", true},
        {"a?c", "ac", false},
        {"a?c", "a\x95\x5C" "c", true},    // "?" is one character, 表 is two bytes
        {"a??c", "a\x95\x5C" "c", false},
        {"*,*", "x,y.txt", true},          // a comma is an ordinary character
        {"a,b", "a", false},
        {"a,b", "b", false},
        {"\x82\x81*", "\x82\x60" "bc", true},   // ａ* matches Ａbc
        {"*\x95\x5C", "\x95\x5C", true},
        // A pattern byte 0x5C never matches the second byte of 表.
        {"*\\*", "\x95\x5C.txt", false},
        {"data?.csv", "data1.csv", true},
        {"data?.csv", "data10.csv", false},
        {"*a*a*a*a*a*b", std::string(200, 'a'), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchFileName(c.pattern, c.name), c.match) << c.pattern << " / " << c.name;
}
