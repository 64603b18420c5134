#pragma once
// Reading a condition file, the format the window program saves: one condition
// per line, "disabled,search string,exclusion flag,exclusion strings", read
// back with 1, 3 or 4 fields split at commas outside double quotes. Empty
// lines are skipped. A condition read from a file always has WildMode 1.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/SearchInf.h"

// One line made into a condition: nullopt when its field count (given back in
// fieldCount) is 2, or 5 and more.
std::optional<CSearchInf> ConditionFromLine(std::string_view line, int& fieldCount);

struct ConditionFileContents {
    std::vector<CSearchInf> conditions;  // in file order, duplicates included
    std::string error;                   // UTF-8, naming the file; empty when read whole
};

// Reads the file at path (code page 932). A file that cannot be read, or a line
// with an unsupported field count, is an error naming the file (and the line).
ConditionFileContents ReadConditionFile(std::string_view path);
