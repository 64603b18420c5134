#pragma once
// CSearchInf: one search condition, a plain record of its five fields. Whether it
// is in match mode or contains mode is derived from them, never stored.

#include <string>
#include <string_view>

struct JobSettings;

// True when text holds a "*" or "?" byte. Neither byte can be the second byte of
// a double-byte character, so a plain byte search is enough.
bool HasWildcard(std::string_view text);

class CSearchInf {
public:
    int SearchNotUse = 0;      // 1 = disabled; the engine skips every value but 0
    int WildMode = 1;          // 1 = "*" and "?" in SearchString are wildcards
    std::string SearchString;  // code page 932; may be a special keyword
    int SkipUse = 0;           // 1 = SkipStr is applied
    std::string SkipStr;       // exclusion patterns separated by commas

    // Match mode ("と一致"): wildcards are on and the string holds one; otherwise
    // contains mode ("を含む").
    bool IsMatchMode() const;

    // Whether text is a hit for this condition under job's UppChk and
    // AllSkipNoUse. A hit cancelled by an exclusion string adds 1 to SkipCount.
    // With UppChk 0 text is upper-cased in place, so callers pass a copy.
    //
    // This is the plain per-call rendering of matching; it is defined by the
    // engine library (engine/ConditionMatch.cpp), which owns matching and must be
    // linked to call it. Scans use the engine's CompiledConditions, which gives
    // the same results without per-call work.
    bool Match(std::string& text, const JobSettings& job, int& SkipCount) const;
};
