// Reading SearchCol's field numbers.

#include "engine/FieldNumbers.h"

#include <algorithm>
#include <string>

#include "engine/SplitList.h"
#include "platform/text/LeadingInteger.h"

std::vector<int> ParseFieldNumbers(std::string_view SearchCol)
{
    std::vector<std::string> entries;
    SplitList(SearchCol, entries);
    std::vector<int> numbers;
    numbers.reserve(entries.size());
    for (const std::string& entry : entries)
        numbers.push_back(LeadingInteger(entry));
    return numbers;
}

bool AllFieldNumbersValid(const std::vector<int>& numbers)
{
    return std::all_of(numbers.begin(), numbers.end(), [](int n) { return n >= 1; });
}
