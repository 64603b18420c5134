#pragma once
// The field numbers of SearchCol: entries separated by commas (double-byte
// aware, nothing trimmed), each read the way the standard decimal conversion
// reads a number.

#include <string_view>
#include <vector>

// The numbers of every entry of SearchCol in order, a number listed twice kept
// twice. Empty for an empty SearchCol.
std::vector<int> ParseFieldNumbers(std::string_view SearchCol);

// Whether every entry names a field: a number of 1 or more.
bool AllFieldNumbersValid(const std::vector<int>& numbers);
