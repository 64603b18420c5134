#pragma once
// What the survey of a source file found, kept beside JobSettings and never
// stored. The survey fills every field; the record scan and the field selector
// read them.

#include <string>
#include <vector>

struct SurveyValues {
    int RecordCount = 0;    // records (lines) of the file, empty ones included
    int MaxFieldCount = 0;  // largest field count of a record; every record is split into this many
    std::vector<std::string> SourceLines;  // every record, when OnMemory is 1
    std::vector<std::vector<std::string>> SampleRecords;  // the first 101 records split into fields
    // The byte the file's records are split at; LF stands for no delimiter.
    // Kept here rather than process-wide so that each run reads the value its
    // own survey chose.
    char FieldDelimiter = '\n';
};
