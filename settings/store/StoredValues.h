#pragma once
// Which fields the settings store keeps under which value names, in the order
// in which they are read and written. Load and Save both walk these tables, so
// the order is stated once.

#include <array>
#include <string>
#include <variant>

#include "settings/JobSettings.h"
#include "settings/SearchInf.h"

// An integer field is a REG_DWORD value, a string field a REG_SZ value.
using JobField = std::variant<int JobSettings::*, std::string JobSettings::*>;
using ConditionField = std::variant<int CSearchInf::*, std::string CSearchInf::*>;

struct JobValue {
    const char* name;
    JobField field;
};

// A condition's values are named prefix + its position ("SearchString0").
struct ConditionValue {
    const char* prefix;
    ConditionField field;
};

inline constexpr std::array<JobValue, 20> JobValues{{
    {"DirMode", &JobSettings::DirMode},
    {"SearchFile", &JobSettings::SearchFile},
    {"SubDir", &JobSettings::SubDir},
    {"PickMode", &JobSettings::PickMode},
    {"KeyCol", &JobSettings::KeyCol},
    {"FileKind", &JobSettings::FileKind},
    {"EtcDelim", &JobSettings::EtcDelim},
    {"Coment", &JobSettings::Coment},
    {"SearchKind", &JobSettings::SearchKind},
    {"SearchCol", &JobSettings::SearchCol},
    {"DelQuot", &JobSettings::DelQuot},
    {"UppChk", &JobSettings::UppChk},
    {"ScrOFF", &JobSettings::ScrOFF},
    {"OnMemory", &JobSettings::OnMemory},
    {"FileSaveRest", &JobSettings::FileSaveRest},
    {"AplExec", &JobSettings::AplExec},
    {"FindBreak", &JobSettings::FindBreak},
    {"ListSeq", &JobSettings::ListSeq},
    {"AplName", &JobSettings::AplName},
    {"AllSkipNoUse", &JobSettings::AllSkipNoUse},
}};

inline constexpr std::array<ConditionValue, 5> ConditionValues{{
    {"SearchNotUse", &CSearchInf::SearchNotUse},
    {"WildMode", &CSearchInf::WildMode},
    {"SearchString", &CSearchInf::SearchString},
    {"SkipUse", &CSearchInf::SkipUse},
    {"SkipStr", &CSearchInf::SkipStr},
}};

// The file names follow the conditions.
inline constexpr const char* SourceFileValue = "File1";
inline constexpr const char* SearchDirValue = "File2";
inline constexpr const char* ResultFileValue = "File3";
