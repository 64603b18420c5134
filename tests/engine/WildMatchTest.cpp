#include "engine/WildMatch.h"

#include <gtest/gtest.h>

#include <random>

#include "Sjis.h"

namespace {

// The definition, rendered directly: "*" takes nothing or one more byte, "?"
// takes one byte, any other byte must equal the text's.
bool DefinitionMatch(std::string_view pattern, std::string_view text)
{
    if (pattern.empty())
        return text.empty();
    if (pattern[0] == '*')
        return DefinitionMatch(pattern.substr(1), text) || (!text.empty() && DefinitionMatch(pattern, text.substr(1)));
    if (text.empty())
        return false;
    return (pattern[0] == '?' || pattern[0] == text[0]) && DefinitionMatch(pattern.substr(1), text.substr(1));
}

}  // namespace

TEST(WildMatch, PatternsCoverTheWholeTextByteByByte)
{
    const struct {
        std::string pattern;
        std::string text;
        bool match;
    } cases[] = {
        {"abc*", "abcdef", true},
        {"abc*", "xabc", false},
        {"*abc*", "xxabcxx", true},
        {"*abc*", "abxc", false},
        {"abc", "abc", true},
        {"abc", "abcd", false},  // anchored at the end too
        {"a?c", "abc", true},
        {"a?c", "ac", false},
        {"a*b", "ab", true},
        {"a*b", "abx", false},
        {"a*b*c", "aXbYc", true},
        {"*", "", true},
        {"", "", true},
        {"", "a", false},
        {"?", "", false},
        {"*?", "", false},
        {"*?", "x", true},
        {"**?*", "ab", true},
        // "?" is one byte, so one double-byte character needs two.
        {"?", Sjis("あ"), false},
        {"??", Sjis("あ"), true},
        // A pattern byte may match the second byte of a character: ア is 0x83 0x41.
        {"*A", Sjis("ア"), true},
        {"*\x83", Sjis("ア"), false},
        {"*" + Sjis("ア") + "*", Sjis("xアx"), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WildMatch(c.pattern, c.text), c.match) << '"' << c.pattern << "\" on \"" << c.text << '"';
}

TEST(WildMatch, ManyStarsOnALongTextFinishWithTheRightAnswer)
{
    const std::string text(200000, 'a');
    EXPECT_FALSE(WildMatch("*a*a*a*a*a*a*a*a*b", text));
    EXPECT_TRUE(WildMatch("*a*a*a*a*a*a*a*a*b", text + "b"));
    EXPECT_TRUE(WildMatch("*a*a*a*a*a*a*a*a*", text));
}

TEST(WildMatch, AgreesWithTheDefinitionOnRandomPatternsAndTexts)
{
    // A small alphabet with both wildcards, a lead byte, a second byte and
    // letters, so that every kind of byte meets every other often.
    const char alphabet[] = {'a', 'b', 'A', '*', '?', '\x82', '\xA0', '\x7C'};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> pick(0, sizeof alphabet - 1);
    auto randomString = [&](int maxLength) {
        std::string s(std::uniform_int_distribution<int>(0, maxLength)(random), ' ');
        for (char& c : s)
            c = alphabet[pick(random)];
        return s;
    };
    int matches = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::string pattern = randomString(7);
        // A "*" or "?" byte in a text is an ordinary byte.
        const std::string text = randomString(10);
        const bool expected = DefinitionMatch(pattern, text);
        ASSERT_EQ(WildMatch(pattern, text), expected) << '"' << pattern << "\" on \"" << text << '"';
        matches += expected;
    }
    // The inputs must exercise both answers, or the comparison proves little.
    EXPECT_GT(matches, 1000);
}
