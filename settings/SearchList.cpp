// The condition list's operations.

#include "settings/SearchList.h"

#include <algorithm>

SearchList::AddResult SearchList::Append(std::unique_ptr<CSearchInf> condition)
{
    if (Count() >= MaxCount)
        return AddResult::ListFull;
    m_conditions.push_back(std::move(condition));
    return AddResult::Added;
}

SearchList::AddResult SearchList::AddUnique(std::unique_ptr<CSearchInf> condition)
{
    const bool duplicate = std::any_of(m_conditions.begin(), m_conditions.end(), [&](const auto& held) {
        return held->SearchString == condition->SearchString;
    });
    if (duplicate)
        return AddResult::Duplicate;
    return Append(std::move(condition));
}

bool SearchList::RemoveAt(int position)
{
    if (position < 0 || position >= Count())
        return false;
    m_conditions.erase(m_conditions.begin() + position);
    return true;
}

void SearchList::DeleteAll()
{
    while (!m_conditions.empty())
        m_conditions.pop_back();
}
