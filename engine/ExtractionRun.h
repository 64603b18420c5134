#pragma once
// The extraction run: everything the extract command does after the window has
// read its controls back. It checks the inputs in a fixed order, surveys the
// source file (file mode), creates the result file, switches the screen saver
// off when asked, scans one file or every file of a directory walk into the
// result file, shows the summary, restores the screen saver and starts the
// companion program when asked. The window program and the command-line
// program both run it; the host gives it the user-facing services.

#include <memory>
#include <string>

#include "engine/BusyIndicator.h"
#include "engine/ProgressMonitor.h"
#include "engine/ScreenSaverSwitch.h"
#include "platform/prompt/Prompter.h"
#include "settings/JobSettings.h"
#include "settings/SearchList.h"
#include "settings/SurveyValues.h"

// The job state a run works on, held by the main window (or the command-line
// program). The run reads job and list, resets and counts HitCount and
// SkipCount, and the surveys refresh survey. In directory mode the run sets
// job.SourceFile to each file in turn and clears it, with RecordCount,
// MaxFieldCount and SampleRecords, at the end.
struct JobState {
    JobSettings& job;
    SearchList& list;
    SurveyValues& survey;
    int& HitCount;   // records written in the run
    int& SkipCount;  // condition hits cancelled by an exclusion string
};

// What a run needs from the program around it.
class RunHost {
public:
    virtual ~RunHost() = default;

    // Message boxes: input errors, the survey's messages, open errors, the
    // summary, a failed launch.
    virtual platform::Prompter& GetPrompter() = 0;
    // Shown while the survey counts and while the directory walk lists files.
    virtual BusyIndicator& GetBusyIndicator() = 0;
    // Switched off and restored when ScrOFF is 1.
    virtual ScreenSaverSwitch& GetScreenSaver() = 0;
    // The progress display of this run, showing message (code page 932) until
    // the first file starts. Created once the result file exists, destroyed
    // before the summary.
    virtual std::unique_ptr<ProgressMonitor> OpenProgress(const std::string& message) = 0;
    // Repaints the main window at once; called just before every pump.
    virtual void Repaint() {}
    // A directory run cleared the file-mode display (SourceFile, RecordCount,
    // MaxFieldCount): the window refreshes its controls from JobSettings.
    virtual void RefreshControls() {}
    // The start and end stamps of the summary; MakeTimeStamp unless a test fixes them.
    virtual std::string TimeStamp();
};

// Where the hits go.
enum class ResultDestination {
    File,            // job.ResultFile, created or truncated
    StandardOutput,  // the process's standard output; job.ResultFile only names it in messages
};

struct RunOptions {
    ResultDestination destination = ResultDestination::File;
};

// The check that stopped a run before anything was created, or Passed.
enum class RunCheck {
    Passed,
    NoSearchDir,           // directory mode without a directory (focus 1010)
    NoSearchFile,          // directory mode without a file-name pattern (1011)
    NoSourceFile,          // file mode without a source file (1012)
    SourceSurveyFailed,    // the source file is missing, unreadable, or the memory question was declined (1012)
    NoResultFile,          // no result file (1022)
    OutputFieldOutOfRange, // field output with KeyCol outside the file's fields (1002)
    FieldSearchInTextMode, // field search on a plain-text file (1005)
    NoSearchFields,        // field search with SearchCol empty (1005)
    BadSearchFields,       // a SearchCol entry that is 0, negative or not a number (1005)
    NoConditions,          // the condition list is empty (no focus)
    ResultIsSource,        // file mode with the result file naming the source file (1022)
    ResultNotCreated,      // the result file cannot be created (no focus)
};

// The control that gets the keyboard focus after check failed; 0 for none.
int FocusControlOf(RunCheck check);

struct RunOutcome {
    RunCheck check = RunCheck::Passed;  // anything else: the run stopped there, its message shown
    int focusControl = 0;               // FocusControlOf(check)
    bool cancelled = false;             // the user stopped the run at a pump
    bool writeFailed = false;           // writing the result failed; the run stopped, message shown
    int filesDone = 0;                  // source files started, as the summary reports them
    int unreadableSources = 0;          // source files that could not be opened or read (each told to the user)
    int skippedSources = 0;             // directory-run files left out because the memory question was declined
};

// The whole run over state. HitCount and SkipCount hold the run's counts
// afterwards; a run stopped by a check leaves them as they were.
RunOutcome RunExtraction(JobState& state, RunHost& host, const RunOptions& options = {});
