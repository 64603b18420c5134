#pragma once
// The survey of a source file: it checks that the file exists, chooses the
// field delimiter, warns when the file may not fit into memory, counts the
// records and their largest field count, keeps the records in memory when
// OnMemory is 1 and splits the first ones for the field selector. It works on
// job.SourceFile and fills the survey values.

#include <cstdint>
#include <optional>

#include "engine/BusyIndicator.h"
#include "platform/files/RecordReader.h"
#include "platform/prompt/Prompter.h"
#include "settings/JobSettings.h"
#include "settings/SurveyValues.h"

// Who started the survey: the main window (a file was chosen or reloaded) or
// the extraction run. Only an interactive survey resets the output field to 1.
enum class Survey { Interactive, ForRun };

enum class SurveyResult {
    Done,
    Missing,      // the file does not exist; nothing changed
    NotOpened,    // the file could not be opened for the memory check; counts unchanged
    Declined,     // the memory question was answered No; counts unchanged
    CountFailed,  // the file could not be read for counting; counts are 0
};

enum class MemoryFit { NotOpen, Fits, MayNotFit };

// The number of records split into SampleRecords.
inline constexpr int SampleRecordLimit = 101;

// Every step reports its own failure to prompter; the result says how it ended.
SurveyResult SurveySource(Survey kind, JobSettings& job, SurveyValues& values,
                          platform::Prompter& prompter, BusyIndicator& busy);

// Whether the file open in source fits: its length × 3 is at most the
// memory the system could still give (available memory plus free swap).
MemoryFit CheckMemoryFit(const platform::RecordReader& source);

// The same decision on the figures; an unknown figure counts as nothing available.
bool FitsInMemory(std::uint64_t length, std::optional<std::uint64_t> available);

// Counts the records of job.SourceFile and their largest field count, and
// loads them into SourceLines when OnMemory is 1. 0 when read, -1 when the
// file could not be opened or read (reported; counts 0, SourceLines empty).
int CountRecords(const JobSettings& job, SurveyValues& values, platform::Prompter& prompter);

// SampleRecords from the first SampleRecordLimit entries of SourceLines.
void BuildSampleRecords(SurveyValues& values);
