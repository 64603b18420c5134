#pragma once
// SearchList: the ordered list of at most 1000 search conditions. The list owns
// its conditions; a condition's address stays the same while it is in the list,
// so an editor can hold it.

#include <memory>
#include <vector>

#include "settings/SearchInf.h"

class SearchList {
public:
    static constexpr int MaxCount = 1000;

    enum class AddResult { Added, Duplicate, ListFull };

    int Count() const { return static_cast<int>(m_conditions.size()); }
    // position is 0 to Count() - 1.
    CSearchInf& At(int position) { return *m_conditions.at(position); }
    const CSearchInf& At(int position) const { return *m_conditions.at(position); }

    // Puts the condition at the end without looking at the others. Refused
    // (and the condition deleted) only when the list already holds MaxCount.
    AddResult Append(std::unique_ptr<CSearchInf> condition);
    // Like Append, but a condition whose SearchString equals, byte for byte, that
    // of a condition already in the list is deleted instead of added.
    AddResult AddUnique(std::unique_ptr<CSearchInf> condition);
    // Deletes the condition at position; false when there is none.
    bool RemoveAt(int position);
    // Deletes every condition, the last first.
    void DeleteAll();

private:
    std::vector<std::unique_ptr<CSearchInf>> m_conditions;
};
