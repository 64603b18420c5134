// The compiled conditions against the per-call definition on random lists,
// flags and texts: the same answers and the same SkipCount every time.

#include "engine/CompiledConditions.h"

#include <gtest/gtest.h>

#include <random>

#include "Sjis.h"
#include "engine/ConditionMatch.h"

namespace {

class RandomInputs {
public:
    explicit RandomInputs(unsigned seed) : m_random(seed)
    {
        // Letters of both cases and widths, wildcards, commas, a character whose
        // second byte is "A" (ア) or "|" (ポ), a lone lead byte, a digit.
        for (const char* utf8 : {"a", "b", "A", "B", "ａ", "Ａ", "*", "?", ",", "ア", "ポ", "1", "α", "Α", "x"})
            m_pieces.push_back(Sjis(utf8));
        m_pieces.push_back("\x82");
        for (const char* keyword : {"#数字#", "#英字#", "@全角小文字@", "@全角大文字@", "@カナ@"})
            m_keywords.push_back(Sjis(keyword));
    }

    std::string Text(int maxPieces)
    {
        std::string text;
        const int pieces = Between(0, maxPieces);
        for (int i = 0; i < pieces; ++i)
            text += m_pieces[Between(0, static_cast<int>(m_pieces.size()) - 1)];
        return text;
    }

    std::unique_ptr<CSearchInf> Condition()
    {
        auto condition = std::make_unique<CSearchInf>();
        condition->SearchNotUse = Pick({0, 0, 0, 0, 1, 2});
        condition->WildMode = Pick({0, 1, 1, 2});
        condition->SearchString = Between(0, 5) == 0 ? m_keywords[Between(0, 4)] : Text(4);
        condition->SkipUse = Pick({0, 1, 1});
        condition->SkipStr = ExclusionList();
        return condition;
    }

    // Random pieces, often with stars around them so that they cancel now and
    // then; sometimes not a list at all, only bytes with commas among them.
    std::string ExclusionList()
    {
        if (Between(0, 3) == 0)
            return Text(6);
        std::string list;
        const int pieces = Between(1, 3);
        for (int i = 0; i < pieces; ++i) {
            if (i > 0)
                list += ',';
            const bool starred = Between(0, 1) == 1;
            list += (starred ? "*" : "") + Text(2) + (starred ? "*" : "");
        }
        return list;
    }

    JobSettings Job()
    {
        JobSettings job;
        job.UppChk = Between(0, 1);
        job.AllSkipNoUse = Pick({0, 0, 0, 1});
        return job;
    }

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

private:
    int Pick(std::initializer_list<int> values) { return values.begin()[Between(0, static_cast<int>(values.size()) - 1)]; }

    std::mt19937 m_random;
    std::vector<std::string> m_pieces;
    std::vector<std::string> m_keywords;
};

}  // namespace

TEST(CompiledConditions, GiveTheSameHitsAndSkipCountAsThePerCallDefinition)
{
    RandomInputs inputs(4242);
    int hits = 0;
    int skipped = 0;
    CompiledConditions::Scratch scratch;
    for (int round = 0; round < 3000; ++round) {
        SearchList list;
        // Long lists too, so that the candidate filter takes part.
        const int count = round % 2 == 0 ? inputs.Between(0, 6) : inputs.Between(8, 40);
        for (int i = 0; i < count; ++i)
            list.Append(inputs.Condition());
        const JobSettings job = inputs.Job();
        const CompiledConditions compiled(list, job);
        ASSERT_EQ(compiled.Count(), list.Count());

        int expectedSkips = 0;
        int actualSkips = 0;
        for (int t = 0; t < 20; ++t) {
            const std::string text = inputs.Text(8);

            std::string copy = text;
            const bool expected = MatchAnyCondition(list, job, copy, expectedSkips);
            ASSERT_EQ(compiled.MatchAny(text, actualSkips, scratch), expected) << "round " << round << " text " << text;
            ASSERT_EQ(actualSkips, expectedSkips) << "round " << round << " text " << text;
            hits += expected;

            // One condition at a time, as a pass per condition tests them.
            for (int k = 0; k < list.Count(); ++k) {
                std::string one = text;
                const CSearchInf& condition = list.At(k);
                const bool expectedOne = condition.SearchNotUse == 0 && condition.Match(one, job, expectedSkips);
                ASSERT_EQ(compiled.MatchOne(k, text, actualSkips, scratch), expectedOne)
                    << "round " << round << " condition " << k << " text " << text;
                ASSERT_EQ(actualSkips, expectedSkips) << "round " << round << " condition " << k;
            }
        }
        skipped += expectedSkips;
    }
    // Both answers and cancelled hits must be common, or the comparison proves little.
    EXPECT_GT(hits, 5000);
    EXPECT_GT(skipped, 5000);
}

TEST(CompiledConditions, LaterChangesToTheListDoNotReachACompiledRun)
{
    SearchList list;
    auto condition = std::make_unique<CSearchInf>();
    condition->SearchString = "abc";
    list.Append(std::move(condition));
    JobSettings job;
    const CompiledConditions compiled(list, job);
    list.At(0).SearchString = "zzz";
    job.UppChk = 0;

    CompiledConditions::Scratch scratch;
    int skipped = 0;
    EXPECT_TRUE(compiled.MatchAny("abc", skipped, scratch));
    EXPECT_FALSE(compiled.MatchAny("ABC", skipped, scratch));
}
