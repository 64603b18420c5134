// CSearchInf's own rules; its Match lives with the rest of matching in the engine.

#include "settings/SearchInf.h"

bool HasWildcard(std::string_view text)
{
    return text.find_first_of("*?") != std::string_view::npos;
}

bool CSearchInf::IsMatchMode() const
{
    return WildMode != 0 && HasWildcard(SearchString);
}
