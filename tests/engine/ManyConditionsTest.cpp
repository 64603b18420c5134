// Compiled lists of hundreds of substring conditions, where the candidate
// filter picks the conditions to search, against the per-call definition: the
// same answers and the same SkipCount, also when a pattern occurs only from
// the second byte of a double-byte character.

#include "engine/CompiledConditions.h"

#include <gtest/gtest.h>

#include <random>

#include "Sjis.h"
#include "engine/ConditionMatch.h"

namespace {

class ManyInputs {
public:
    explicit ManyInputs(unsigned seed) : m_random(seed)
    {
        // Characters whose second byte is "\", "|", "A" or "a" (ソ, ポ, ア, 疎),
        // letters of both cases, digits, a comma and a lone lead byte.
        for (const char* utf8 : {"ソ", "ポ", "ア", "イ", "表", "疎", "a", "A", "b", "B", "1", "2", ","})
            m_pieces.push_back(Sjis(utf8));
        for (const char* bytes : {"\\", "|", "\x83"})
            m_pieces.push_back(bytes);
    }

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    std::string Text(int low, int high)
    {
        std::string text;
        for (int i = Between(low, high); i > 0; --i)
            text += m_pieces[static_cast<std::size_t>(Between(0, static_cast<int>(m_pieces.size()) - 1))];
        return text;
    }

    // A substring condition; now and then its pattern starts or ends inside a
    // character, and now and then an exclusion cancels its hits.
    std::unique_ptr<CSearchInf> Condition()
    {
        auto condition = std::make_unique<CSearchInf>();
        condition->WildMode = 0;
        condition->SearchString = Text(3, 5);
        if (Between(0, 4) == 0)
            condition->SearchString.erase(0, 1);
        if (Between(0, 4) == 0 && condition->SearchString.size() > 1)
            condition->SearchString.pop_back();
        if (Between(0, 3) == 0) {
            condition->SkipUse = 1;
            condition->SkipStr = std::string("*").append(Text(1, 1)).append("*");
        }
        return condition;
    }

private:
    std::mt19937 m_random;
    std::vector<std::string> m_pieces;
};

}  // namespace

TEST(ManyConditions, GiveTheSameHitsAndSkipCountAsThePerCallDefinition)
{
    ManyInputs inputs(2024);
    CompiledConditions::Scratch scratch;
    int hits = 0;
    int misses = 0;
    int skipped = 0;
    for (int round = 0; round < 40; ++round) {
        SearchList list;
        for (int i = inputs.Between(50, 1000); i > 0; --i)
            list.Append(inputs.Condition());
        JobSettings job;
        job.UppChk = inputs.Between(0, 1);
        const CompiledConditions compiled(list, job);

        int expectedSkips = 0;
        int actualSkips = 0;
        for (int t = 0; t < 40; ++t) {
            const std::string text = inputs.Text(0, 8);
            std::string copy = text;
            const bool expected = MatchAnyCondition(list, job, copy, expectedSkips);
            ASSERT_EQ(compiled.MatchAny(text, actualSkips, scratch), expected) << "round " << round << " text " << text;
            ASSERT_EQ(actualSkips, expectedSkips) << "round " << round << " text " << text;
            ++(expected ? hits : misses);
        }
        skipped += expectedSkips;
    }
    EXPECT_GT(hits, 400);
    EXPECT_GT(misses, 400);
    EXPECT_GT(skipped, 60);
}

TEST(ManyConditions, APatternFoundOnlyInsideCharactersDoesNotHit)
{
    // 41 83 occurs in アイ (83 41 83 43) only from the second byte of ア, and
    // 5C 83 in ソイ only from the second byte of ソ; "A" and "\" before イ hold
    // them on character boundaries.
    struct Case {
        std::string text;
        bool hit;
    };
    const std::vector<Case> cases = {
        {Sjis("アイ"), false},
        {Sjis("ソイ"), false},
        {Sjis("Aイ"), true},
        {std::string("\\").append(Sjis("イ")), true},
        {Sjis("アAイ"), true},
    };
    SearchList list;
    for (const std::string pattern : {"\x41\x83", "\x5C\x83", "zzz", "yyy"}) {
        auto condition = std::make_unique<CSearchInf>();
        condition->SearchString = pattern;
        list.Append(std::move(condition));
    }
    for (const int upperCheck : {0, 1}) {
        JobSettings job;
        job.UppChk = upperCheck;
        const CompiledConditions compiled(list, job);
        CompiledConditions::Scratch scratch;
        for (const Case& c : cases) {
            int skipped = 0;
            EXPECT_EQ(compiled.MatchAny(c.text, skipped, scratch), c.hit) << c.text << " UppChk " << upperCheck;
            std::string copy = c.text;
            EXPECT_EQ(MatchAnyCondition(list, job, copy, skipped), c.hit) << c.text << " UppChk " << upperCheck;
        }
    }
}
