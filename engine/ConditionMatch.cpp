// CSearchInf::Match and MatchAnyCondition, step by step as one call does them.

#include "engine/ConditionMatch.h"

#include <vector>

#include "engine/CharClassMatch.h"
#include "engine/Keywords.h"
#include "engine/SplitList.h"
#include "engine/WildMatch.h"
#include "platform/text/CaseFold.h"
#include "platform/text/Search.h"

namespace {

bool PatternHits(const std::string& pattern, int WildMode, const std::string& text)
{
    if (const auto keywordClass = FindKeyword(pattern))
        return MatchCharClass(*keywordClass, text);
    if (WildMode != 0 && HasWildcard(pattern))
        return WildMatch(pattern, text);
    return cp932::Find(text, pattern) != std::string_view::npos;
}

// True when an exclusion string of SkipStr covers the whole of text.
bool Excluded(const std::string& SkipStr, int UppChk, const std::string& text)
{
    std::vector<std::string> exclusions;
    SplitList(SkipStr, exclusions);
    for (std::string& exclusion : exclusions) {
        if (UppChk == 0)
            cp932::UpperInPlace(exclusion);
        if (WildMatch(exclusion, text))
            return true;
    }
    return false;
}

}  // namespace

bool CSearchInf::Match(std::string& text, const JobSettings& job, int& SkipCount) const
{
    std::string pattern = SearchString;
    if (job.UppChk == 0) {
        cp932::UpperInPlace(pattern);
        cp932::UpperInPlace(text);
    }
    if (!PatternHits(pattern, WildMode, text))
        return false;
    if (job.AllSkipNoUse == 0 && SkipUse != 0 && Excluded(SkipStr, job.UppChk, text)) {
        ++SkipCount;
        return false;
    }
    return true;
}

bool MatchAnyCondition(const SearchList& list, const JobSettings& job, std::string& text, int& SkipCount)
{
    for (int i = 0; i < list.Count(); ++i) {
        const CSearchInf& condition = list.At(i);
        if (condition.SearchNotUse == 0 && condition.Match(text, job, SkipCount))
            return true;
    }
    return false;
}
