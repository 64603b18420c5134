// Greedy matching with one backtracking point: when a later literal fails, only
// the most recent "*" needs to take one more byte, because any earlier "*" could
// only hand the same bytes on to it. That keeps the work at
// pattern length * text length at worst, however many "*" there are.

#include "engine/WildMatch.h"

bool WildMatch(std::string_view pattern, std::string_view text)
{
    constexpr auto none = std::string_view::npos;
    std::size_t p = 0;
    std::size_t t = 0;
    std::size_t afterStar = none;  // pattern position after the last "*" met
    std::size_t starText = 0;      // text position where that "*" currently ends

    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            afterStar = ++p;
            starText = t;
        } else if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == text[t])) {
            ++p;
            ++t;
        } else if (afterStar != none) {
            p = afterStar;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}
