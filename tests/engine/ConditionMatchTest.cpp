// Each expectation is checked through both paths: the per-call CSearchInf::Match
// and MatchAnyCondition, and the compiled conditions a scan uses.

#include "engine/ConditionMatch.h"

#include <gtest/gtest.h>

#include "Sjis.h"
#include "engine/CompiledConditions.h"

namespace {

struct ConditionFields {
    ConditionFields(std::string searchString, int wildMode = 1, int skipUse = 0, std::string skipStr = "",
                    int searchNotUse = 0)
        : SearchString(std::move(searchString)), WildMode(wildMode), SkipUse(skipUse), SkipStr(std::move(skipStr)),
          SearchNotUse(searchNotUse)
    {
    }

    std::string SearchString;  // UTF-8
    int WildMode;
    int SkipUse;
    std::string SkipStr;  // UTF-8
    int SearchNotUse;
};

std::unique_ptr<CSearchInf> Make(const ConditionFields& fields)
{
    auto condition = std::make_unique<CSearchInf>();
    condition->SearchString = Sjis(fields.SearchString);
    condition->WildMode = fields.WildMode;
    condition->SkipUse = fields.SkipUse;
    condition->SkipStr = Sjis(fields.SkipStr);
    condition->SearchNotUse = fields.SearchNotUse;
    return condition;
}

JobSettings Job(int UppChk, int AllSkipNoUse = 0)
{
    JobSettings job;
    job.UppChk = UppChk;
    job.AllSkipNoUse = AllSkipNoUse;
    return job;
}

struct Outcome {
    bool hit;
    int skipped;
    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& outcome)
{
    return out << (outcome.hit ? "hit" : "no hit") << ", " << outcome.skipped << " skipped";
}

Outcome PerCall(const CSearchInf& condition, const JobSettings& job, std::string text)
{
    int skipped = 0;
    const bool hit = condition.Match(text, job, skipped);
    return {hit, skipped};
}

Outcome Compiled(const SearchList& list, int index, const JobSettings& job, const std::string& text)
{
    const CompiledConditions compiled(list, job);
    CompiledConditions::Scratch scratch;
    int skipped = 0;
    const bool hit = compiled.MatchOne(index, text, skipped, scratch);
    return {hit, skipped};
}

Outcome AnyPerCall(const SearchList& list, const JobSettings& job, std::string text)
{
    int skipped = 0;
    const bool hit = MatchAnyCondition(list, job, text, skipped);
    return {hit, skipped};
}

Outcome AnyCompiled(const SearchList& list, const JobSettings& job, const std::string& text)
{
    const CompiledConditions compiled(list, job);
    CompiledConditions::Scratch scratch;
    int skipped = 0;
    const bool hit = compiled.MatchAny(text, skipped, scratch);
    return {hit, skipped};
}

}  // namespace

TEST(ConditionMatch, OneConditionOnOneText)
{
    const struct {
        const char* title;
        ConditionFields condition;
        JobSettings job;
        std::string text;  // UTF-8
        Outcome outcome;
    } cases[] = {
        {"prefix pattern", {"abc*"}, Job(1), "abcdef", {true, 0}},
        {"prefix pattern elsewhere", {"abc*"}, Job(1), "xabc", {false, 0}},
        {"pattern with stars around", {"*abc*"}, Job(1), "xxabcxx", {true, 0}},
        {"contains mode without wildcards", {"abc"}, Job(1), "xxabcxx", {true, 0}},
        {"wildcards off: star is a byte", {"a*b", 0}, Job(1), "xa*bx", {true, 0}},
        {"wildcards off: star matches nothing else", {"a*b", 0}, Job(1), "axxb", {false, 0}},
        {"one ? is half a character", {"?"}, Job(1), "あ", {false, 0}},
        {"two ? are one character", {"??"}, Job(1), "あ", {true, 0}},
        {"contains starts on a character", {"A"}, Job(1), "ア", {false, 0}},  // ア is 0x83 0x41
        {"contains bar is no second byte", {"|"}, Job(1), "ポ", {false, 0}},  // ポ is 0x83 0x7C
        {"case ignored", {"abc"}, Job(0), "xAbCx", {true, 0}},
        {"case ignored, full-width", {"ａ"}, Job(0), "Ａ", {true, 0}},
        {"case ignored, full-width capital", {"Ａ"}, Job(0), "ａ", {true, 0}},
        {"case ignored, Greek", {"α"}, Job(0), "Α", {true, 0}},
        {"case ignored, pattern", {"A?C"}, Job(0), "abc", {true, 0}},
        {"case kept", {"abc"}, Job(1), "ABC", {false, 0}},
        {"case kept, full-width", {"ａ"}, Job(1), "Ａ", {false, 0}},
        {"keyword with more is literal", {"#数字#1"}, Job(1), "123", {false, 0}},
        {"keyword with more found literally", {"#数字#1"}, Job(1), "x#数字#1", {true, 0}},
        {"keyword ignores wildcard mode", {"#数字#", 0}, Job(1), "a1", {true, 0}},
        {"keyword under ignored case", {"#英字#"}, Job(0), "a", {true, 0}},
        {"small letters never hit when case is ignored", {"@全角小文字@"}, Job(0), "ａ", {false, 0}},
        {"small letters hit when case is kept", {"@全角小文字@"}, Job(1), "ａ", {true, 0}},
        {"capitals hit small letters when case is ignored", {"@全角大文字@"}, Job(0), "ａ", {true, 0}},
        {"empty search string hits", {""}, Job(1), "abc", {true, 0}},
        {"empty search string hits empty text", {""}, Job(1), "", {true, 0}},
        {"exclusion equal to the text", {"fo", 1, 1, "foo"}, Job(1), "foo", {false, 1}},
        {"exclusions switched off for all", {"fo", 1, 1, "foo"}, Job(1, 1), "foo", {true, 0}},
        {"exclusions of the condition off", {"fo", 1, 0, "foo"}, Job(1), "foo", {true, 0}},
        {"exclusion without wildcard is whole-text", {"ab", 1, 1, "ab"}, Job(1), "xabx", {true, 0}},
        {"exclusion with wildcards", {"ab", 1, 1, "x*"}, Job(1), "xabx", {false, 1}},
        {"second exclusion cancels", {"ab", 1, 1, "q,*b*"}, Job(1), "xabx", {false, 1}},
        {"exclusion folded when case is ignored", {"abc", 1, 1, "abc"}, Job(0), "ABC", {false, 1}},
        {"exclusion kept when case is kept", {"B", 1, 1, "abc"}, Job(1), "aBc", {true, 0}},
        {"empty exclusion piece cancels an empty text", {"", 1, 1, "x,,y"}, Job(1), "", {false, 1}},
        {"empty exclusion piece spares other texts", {"", 1, 1, "x,,y"}, Job(1), "z", {true, 0}},
        {"last exclusion piece", {"", 1, 1, "x,,y"}, Job(1), "y", {false, 1}},
        {"empty exclusion list cancels nothing", {"", 1, 1, ""}, Job(1), "", {true, 0}},
        {"keyword hit can be cancelled", {"#数字#", 1, 1, "*9*"}, Job(1), "a9", {false, 1}},
        {"exclusion of a missed text counts nothing", {"zz", 1, 1, "*"}, Job(1), "abc", {false, 0}},
        {"match mode needs the whole text", {"a?c"}, Job(1), "abcd", {false, 0}},
    };
    for (const auto& c : cases) {
        SearchList list;
        list.Append(Make(c.condition));
        const std::string text = Sjis(c.text);
        EXPECT_EQ(PerCall(list.At(0), c.job, text), c.outcome) << c.title;
        EXPECT_EQ(Compiled(list, 0, c.job, text), c.outcome) << c.title;
        EXPECT_EQ(AnyPerCall(list, c.job, text), c.outcome) << c.title;
        EXPECT_EQ(AnyCompiled(list, c.job, text), c.outcome) << c.title;
    }
}

TEST(ConditionMatch, AllConditionsInListOrderGoOnAfterACancelledHit)
{
    const ConditionFields excludedHit{"ab", 1, 1, "*x*"};
    const ConditionFields plainHit{"b"};
    const ConditionFields miss{"zz"};
    const ConditionFields disabledHit{"a", 1, 0, "", 1};
    const ConditionFields disabledOtherValue{"a", 1, 0, "", 2};
    const struct {
        const char* title;
        std::vector<ConditionFields> conditions;
        Outcome outcome;
    } cases[] = {
        {"cancelled then hit", {excludedHit, plainHit}, {true, 1}},
        {"hit stops before a cancel", {plainHit, excludedHit}, {true, 0}},
        {"two cancels", {excludedHit, excludedHit, miss}, {false, 2}},
        {"disabled conditions are skipped", {disabledHit, disabledOtherValue, miss}, {false, 0}},
        {"cancel, disabled, miss", {excludedHit, disabledHit, miss}, {false, 1}},
        {"no conditions", {}, {false, 0}},
    };
    for (const auto& c : cases) {
        SearchList list;
        for (const ConditionFields& fields : c.conditions)
            list.Append(Make(fields));
        EXPECT_EQ(AnyPerCall(list, Job(1), "xab"), c.outcome) << c.title;
        EXPECT_EQ(AnyCompiled(list, Job(1), "xab"), c.outcome) << c.title;
    }
}

TEST(ConditionMatch, ADisabledConditionAloneNeverHits)
{
    SearchList list;
    list.Append(Make({"a", 1, 0, "", 1}));
    EXPECT_EQ(Compiled(list, 0, Job(1), "a"), (Outcome{false, 0}));
}

TEST(ConditionMatch, IgnoringCaseUpperCasesTheCallersCopy)
{
    SearchList list;
    list.Append(Make({"x"}));
    std::string copy = Sjis("abcａ");
    int skipped = 0;
    list.At(0).Match(copy, Job(0), skipped);
    EXPECT_EQ(copy, Sjis("ABCＡ"));
}
