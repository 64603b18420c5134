// Reading SearchCol's field numbers.

#include "engine/FieldNumbers.h"

#include <algorithm>
#include <climits>
#include <string>

#include "engine/SplitList.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

int ParseFieldNumber(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    long long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        value = std::min<long long>(value * 10 + (text[pos] - '0'), 1LL + INT_MAX);
    if (negative)
        value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

std::vector<int> ParseFieldNumbers(std::string_view SearchCol)
{
    std::vector<std::string> entries;
    SplitList(SearchCol, entries);
    std::vector<int> numbers;
    numbers.reserve(entries.size());
    for (const std::string& entry : entries)
        numbers.push_back(ParseFieldNumber(entry));
    return numbers;
}

bool AllFieldNumbersValid(const std::vector<int>& numbers)
{
    return std::all_of(numbers.begin(), numbers.end(), [](int n) { return n >= 1; });
}
