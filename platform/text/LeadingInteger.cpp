#include "platform/text/LeadingInteger.h"

#include <algorithm>
#include <climits>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

int LeadingInteger(std::string_view text)
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
