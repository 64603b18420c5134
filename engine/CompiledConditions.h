#pragma once
// CompiledConditions: the condition list of one run, prepared once so that every
// record is tested without allocating. Each enabled condition keeps its folded
// pattern, its strategy (keyword class, whole-text wildcard pattern or
// substring) and its folded exclusion patterns; a text is folded once per test,
// not once per condition. With many substring conditions, a CandidateFilter
// picks in one pass over the text the few whose pattern may occur, and only
// those are searched; a condition left out could not have hit, so it could not
// have counted a cancelled hit either. Results and SkipCount are exactly those
// of CSearchInf::Match and MatchAnyCondition on the same list and settings.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/CandidateFilter.h"
#include "engine/Keywords.h"
#include "settings/JobSettings.h"
#include "settings/SearchList.h"

class CompiledConditions {
public:
    // Working memory for one test at a time; keep one per scan and pass it to
    // every call so that its capacity is reused.
    struct Scratch {
        std::string folded;
        std::vector<CandidateFilter::Word> marks;
    };

    // Takes what it needs from list and job (UppChk, AllSkipNoUse); later
    // changes to either have no effect on this object.
    CompiledConditions(const SearchList& list, const JobSettings& job);

    int Count() const { return static_cast<int>(m_conditions.size()); }

    // MatchAnyCondition: true when some enabled condition hits text, trying them
    // in list order; a hit cancelled by an exclusion string adds 1 to SkipCount
    // and the next condition is still tried. text is not changed.
    bool MatchAny(std::string_view text, int& SkipCount, Scratch& scratch) const;

    // The condition at index (0 to Count() - 1) alone, as a pass per condition
    // tests it: a disabled condition never hits.
    bool MatchOne(int index, std::string_view text, int& SkipCount, Scratch& scratch) const;

private:
    enum class Strategy { Disabled, Keyword, Wildcard, Contains };

    struct Condition {
        Strategy strategy = Strategy::Disabled;
        std::string pattern;                  // the search string, folded when case is ignored
        ClassMask keywordClass = 0;           // for Strategy::Keyword
        std::vector<std::string> exclusions;  // folded; empty when none apply
    };

    static Condition Compile(const CSearchInf& source, const JobSettings& job);
    void BuildFilter();
    // The text as the conditions see it: folded into scratch when case is ignored.
    std::string_view Prepare(std::string_view text, Scratch& scratch) const;
    // Whether a prepared text is a hit for condition, counting a cancelled hit.
    static bool Hits(const Condition& condition, std::string_view text, int& SkipCount);

    std::vector<Condition> m_conditions;
    bool m_foldCase = false;
    // Only with enough substring conditions to pay for the pass over the text.
    std::optional<CandidateFilter> m_filter;
    // Marks of the conditions the filter does not watch: they are always tried.
    std::vector<CandidateFilter::Word> m_unfiltered;
};
