// Compiling the condition list and testing texts against it.

#include "engine/CompiledConditions.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "engine/CharClassMatch.h"
#include "engine/SplitList.h"
#include "engine/WildMatch.h"
#include "platform/text/CaseFold.h"
#include "platform/text/Search.h"

namespace {

// Below this many substring conditions, searching each directly is faster than
// a pass of the filter over the text.
constexpr std::size_t FilterFrom = 3;

}  // namespace

CompiledConditions::CompiledConditions(const SearchList& list, const JobSettings& job)
    : m_foldCase(job.UppChk == 0)
{
    m_conditions.reserve(list.Count());
    for (int i = 0; i < list.Count(); ++i)
        m_conditions.push_back(Compile(list.At(i), job));
    BuildFilter();
}

void CompiledConditions::BuildFilter()
{
    std::vector<std::pair<int, std::string_view>> watched;
    m_unfiltered.assign(CandidateFilter::WordsFor(Count()), 0);
    for (int i = 0; i < Count(); ++i) {
        const Condition& condition = m_conditions[i];
        if (condition.strategy == Strategy::Disabled)
            continue;
        if (condition.strategy == Strategy::Contains && !condition.pattern.empty())
            watched.emplace_back(i, condition.pattern);
        else
            m_unfiltered[i / 64] |= CandidateFilter::Word{1} << (i % 64);
    }
    if (watched.size() >= FilterFrom)
        m_filter.emplace(watched);
}

CompiledConditions::Condition CompiledConditions::Compile(const CSearchInf& source, const JobSettings& job)
{
    Condition condition;
    if (source.SearchNotUse != 0)
        return condition;

    // The same steps as one CSearchInf::Match call, done once: fold the pattern,
    // then recognise a keyword, then wildcards.
    const bool foldCase = job.UppChk == 0;
    condition.pattern = source.SearchString;
    if (foldCase)
        cp932::UpperInPlace(condition.pattern);
    if (const auto keywordClass = FindKeyword(condition.pattern)) {
        condition.strategy = Strategy::Keyword;
        condition.keywordClass = *keywordClass;
    } else if (source.WildMode != 0 && HasWildcard(condition.pattern)) {
        condition.strategy = Strategy::Wildcard;
    } else {
        condition.strategy = Strategy::Contains;
    }

    if (job.AllSkipNoUse == 0 && source.SkipUse != 0) {
        SplitList(source.SkipStr, condition.exclusions);
        if (foldCase) {
            for (std::string& exclusion : condition.exclusions)
                cp932::UpperInPlace(exclusion);
        }
    }
    return condition;
}

std::string_view CompiledConditions::Prepare(std::string_view text, Scratch& scratch) const
{
    if (!m_foldCase)
        return text;
    scratch.folded.assign(text);
    cp932::UpperInPlace(scratch.folded);
    return scratch.folded;
}

bool CompiledConditions::Hits(const Condition& condition, std::string_view text, int& SkipCount)
{
    bool hit = false;
    switch (condition.strategy) {
    case Strategy::Disabled:
        return false;
    case Strategy::Keyword:
        hit = MatchCharClass(condition.keywordClass, text);
        break;
    case Strategy::Wildcard:
        hit = WildMatch(condition.pattern, text);
        break;
    case Strategy::Contains:
        hit = cp932::Find(text, condition.pattern) != std::string_view::npos;
        break;
    }
    if (!hit)
        return false;
    const bool excluded = std::any_of(condition.exclusions.begin(), condition.exclusions.end(),
                                      [&](const std::string& exclusion) { return WildMatch(exclusion, text); });
    if (excluded) {
        ++SkipCount;
        return false;
    }
    return true;
}

bool CompiledConditions::MatchAny(std::string_view text, int& SkipCount, Scratch& scratch) const
{
    const std::string_view prepared = Prepare(text, scratch);
    if (!m_filter) {
        return std::any_of(m_conditions.begin(), m_conditions.end(),
                           [&](const Condition& condition) { return Hits(condition, prepared, SkipCount); });
    }
    // The candidates in list order: the unwatched conditions and those the
    // filter marks.
    scratch.marks.assign(m_unfiltered.begin(), m_unfiltered.end());
    m_filter->Mark(prepared, scratch.marks);
    for (std::size_t word = 0; word < scratch.marks.size(); ++word) {
        for (CandidateFilter::Word bits = scratch.marks[word]; bits != 0; bits &= bits - 1) {
            const std::size_t index = word * 64 + static_cast<std::size_t>(std::countr_zero(bits));
            if (Hits(m_conditions[index], prepared, SkipCount))
                return true;
        }
    }
    return false;
}

bool CompiledConditions::MatchOne(int index, std::string_view text, int& SkipCount, Scratch& scratch) const
{
    const Condition& condition = m_conditions.at(index);
    if (condition.strategy == Strategy::Disabled)
        return false;
    return Hits(condition, Prepare(text, scratch), SkipCount);
}
