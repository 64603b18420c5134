#pragma once
// Matching of texts against conditions, call by call: CSearchInf::Match
// (declared with CSearchInf) and MatchAnyCondition. Each call copies and folds
// the search string and splits the exclusion strings anew. Scans use
// CompiledConditions, which gives the same results and counts; this rendering
// is its reference.

#include <string>

#include "settings/JobSettings.h"
#include "settings/SearchInf.h"
#include "settings/SearchList.h"

// True when some enabled condition of list hits text. Conditions are tried in
// list order, disabled ones (SearchNotUse not 0) skipped; a hit cancelled by an
// exclusion string counts in SkipCount and the next condition is still tried.
// With UppChk 0 text is upper-cased in place, so callers pass a copy.
bool MatchAnyCondition(const SearchList& list, const JobSettings& job, std::string& text, int& SkipCount);
