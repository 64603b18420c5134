#include "engine/CandidateFilter.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

bool Marked(const std::vector<CandidateFilter::Word>& marks, int condition)
{
    return (marks[condition / 64] >> (condition % 64) & 1) != 0;
}

}  // namespace

TEST(CandidateFilter, MarksEveryPatternThatOccursAnywhereInTheText)
{
    const char alphabet[] = {'a', 'b', 'c', '\x82', '\xA0', '\x41'};
    std::mt19937 random(99);
    auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto randomString = [&](int low, int high) {
        std::string s(between(low, high), ' ');
        for (char& c : s)
            c = alphabet[between(0, sizeof alphabet - 1)];
        return s;
    };
    int occurring = 0;
    int leftOut = 0;
    for (int round = 0; round < 500; ++round) {
        std::vector<std::string> patterns;
        for (int i = between(1, 150); i > 0; --i)
            patterns.push_back(randomString(1, 5));
        std::vector<std::pair<int, std::string_view>> watched;
        for (std::size_t i = 0; i < patterns.size(); ++i)
            watched.emplace_back(static_cast<int>(i), patterns[i]);
        const CandidateFilter filter(watched);

        for (int t = 0; t < 20; ++t) {
            const std::string text = randomString(0, 12);
            std::vector<CandidateFilter::Word> marks(CandidateFilter::WordsFor(static_cast<int>(patterns.size())));
            filter.Mark(text, marks);
            for (std::size_t i = 0; i < patterns.size(); ++i) {
                if (text.find(patterns[i]) != std::string::npos) {
                    ASSERT_TRUE(Marked(marks, static_cast<int>(i))) << patterns[i] << " in " << text;
                    ++occurring;
                } else if (!Marked(marks, static_cast<int>(i))) {
                    ++leftOut;
                }
            }
        }
    }
    // It must also leave out most patterns that do not occur, or it filters nothing.
    EXPECT_GT(occurring, 10000);
    EXPECT_GT(leftOut, occurring);
}

TEST(CandidateFilter, LeavesOtherMarksAsTheyWere)
{
    const std::string pattern = "xy";
    const std::pair<int, std::string_view> watched[] = {{3, pattern}};
    const CandidateFilter filter(watched);
    std::vector<CandidateFilter::Word> marks{CandidateFilter::Word{1} << 5};
    filter.Mark("axyb", marks);
    EXPECT_EQ(marks[0], (CandidateFilter::Word{1} << 5) | (CandidateFilter::Word{1} << 3));
    filter.Mark("ab", marks);
    EXPECT_EQ(marks[0], (CandidateFilter::Word{1} << 5) | (CandidateFilter::Word{1} << 3));
}
