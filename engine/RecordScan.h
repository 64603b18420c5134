#pragma once
// RecordScan: reads source files record by record, tests each record against
// the run's compiled conditions and writes every hit to the result in the
// chosen form (the line, a tag-jump line "path(n):line", or one field). One
// object serves a whole run; it keeps one reader, one field list, one matching
// scratch and one output line, so that scanning allocates nothing per record
// once they have grown.
//
// Records are numbered from 1 by line, empty and comment lines included. Every
// hundredth record (before records 1, 101, 201, ...) the host repaints and the
// progress monitor pumps, and a cancel seen there ends the pass.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/CompiledConditions.h"
#include "engine/ProgressMonitor.h"
#include "engine/ResultSink.h"
#include "platform/files/RecordReader.h"
#include "platform/prompt/Prompter.h"
#include "settings/JobSettings.h"
#include "settings/SurveyValues.h"

enum class ScanResult {
    Completed,     // every pass ran to its end (or to its first hit with FindBreak)
    SourceFailed,  // the source could not be opened or read (told to the user); the run goes on
    Cancelled,     // the user stopped the run at a pump
    WriteFailed,   // writing a hit failed; the run stops (WriteError() says why)
};

class RecordScan {
public:
    // All arguments must outlive the scan. job and survey are read at every
    // file, so a run may survey the next file between two calls. repaint
    // redraws the main window at once; prompter reports unreadable sources.
    RecordScan(const JobSettings& job, const SurveyValues& survey, const CompiledConditions& conditions,
               ResultSink& result, ProgressMonitor& monitor, platform::Prompter& prompter,
               std::function<void()> repaint, int& HitCount, int& SkipCount);

    // All passes over one file: one pass testing all conditions, or with
    // ListSeq one pass per condition in list order. fileNumber counts from 1.
    ScanResult ExtractFile(const std::string& path, int fileNumber, int fileTotal);

    // One pass: conditionIndex -1 tests all conditions, otherwise only that one.
    ScanResult ScanFile(const std::string& path, int fileNumber, int fileTotal, int conditionIndex);

    // Memory mode needs nothing opened; otherwise opens the reader on path and
    // tells the user when that fails.
    bool OpenSource(const std::string& path);

    // The error that ended the scan with WriteFailed.
    const platform::FileResult& WriteError() const { return m_writeError; }

private:
    bool MemoryMode() const { return m_job.OnMemory == 1 && m_job.DirMode == 0; }
    // Settings read once per pass.
    void PreparePass();
    bool NextRecord(int index, std::string_view& record);
    bool IsComment() const;
    std::string_view Field(int number) const;
    bool IsHit(std::string_view record, int conditionIndex);
    bool TestText(std::string_view text, int conditionIndex);
    void BuildOutput(const std::string& path, int recordNumber, std::string_view record);

    const JobSettings& m_job;
    const SurveyValues& m_survey;
    const CompiledConditions& m_conditions;
    ResultSink& m_result;
    ProgressMonitor& m_monitor;
    platform::Prompter& m_prompter;
    std::function<void()> m_repaint;
    int& m_hitCount;
    int& m_skipCount;

    platform::RecordReader m_reader;
    std::vector<int> m_searchFields;   // SearchCol's field numbers
    int m_fieldsNeeded = 0;            // fields each record is split into (0: never split)
    std::vector<std::string> m_fields;
    CompiledConditions::Scratch m_scratch;
    std::string m_output;
    platform::FileResult m_writeError;
};
