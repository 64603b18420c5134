#include "platform/fs/FileNameMatch.h"

#include <string>

#include "platform/text/CaseFold.h"
#include "platform/text/LeadByte.h"

namespace platform {
namespace {

std::string Folded(std::string_view text)
{
    std::string folded(text);
    cp932::UpperInPlace(folded);
    return folded;
}

// Whole-name match, character by character, with the usual backtracking to
// the last "*": linear in practice and never exponential.
bool MatchFolded(std::string_view pattern, std::string_view name)
{
    std::size_t p = 0, n = 0;
    std::size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = ++p;
            starN = n;
            continue;
        }
        const std::size_t nameChar = cp932::CharLength(name, n);
        if (p < pattern.size()) {
            const std::size_t patternChar = cp932::CharLength(pattern, p);
            if (pattern[p] == '?' ||
                (patternChar == nameChar && pattern.substr(p, patternChar) == name.substr(n, nameChar))) {
                p += patternChar;
                n += nameChar;
                continue;
            }
        }
        if (starP == std::string_view::npos)
            return false;
        p = starP;
        starN += cp932::CharLength(name, starN);
        n = starN;
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

}  // namespace

bool MatchFileName(std::string_view pattern, std::string_view name)
{
    if (pattern == "*.*")
        return true;
    return MatchFolded(Folded(pattern), Folded(name));
}

}  // namespace platform
