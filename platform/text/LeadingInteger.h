#pragma once
// The standard decimal text-to-integer conversion the program reads numbers
// with (field numbers, condition-file flags): leading blanks skipped, an
// optional sign, then the digits up to the first other character; 0 without
// digits. A number beyond the int range is held at the range's end.

#include <string_view>

int LeadingInteger(std::string_view text);
