#pragma once
// Settings for the store's tests: jobs and condition lists that differ from the
// defaults in every stored field, arbitrary code page 932 conditions, and
// field-by-field views that gtest compares and prints.

#include <string>
#include <tuple>
#include <vector>

#include "settings/JobSettings.h"
#include "settings/SearchList.h"

// A job whose every field differs from its default; tag varies the values so
// that two such jobs differ too.
JobSettings NonDefaultJob(int tag = 1);

CSearchInf MakeCondition(std::string searchString, int searchNotUse = 0, int wildMode = 1, int skipUse = 0,
                         std::string skipStr = {});
SearchList MakeList(const std::vector<CSearchInf>& conditions);

// count conditions with distinct, non-empty search strings of arbitrary bytes
// (NUL, 0x5C as a trail byte and 0xFF among them) and arbitrary flags; seed
// chooses them.
SearchList ArbitraryConditions(unsigned seed, int count = SearchList::MaxCount);

using JobFields = std::tuple<int, std::string, std::string, std::string, int, std::string, int, std::string, int,
                             std::string, int, int, int, std::string, int, int, int, int, int, int, std::string, int,
                             int, int>;
JobFields Fields(const JobSettings& job);

using ConditionFields = std::tuple<int, int, std::string, int, std::string>;
std::vector<ConditionFields> Fields(const SearchList& list);
