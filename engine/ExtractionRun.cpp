// The extraction run.

#include "engine/ExtractionRun.h"

#include <optional>

#include "engine/DirectoryWalk.h"
#include "engine/CommandLaunch.h"
#include "engine/CompiledConditions.h"
#include "engine/FieldNumbers.h"
#include "engine/FileIdentity.h"
#include "engine/Messages.h"
#include "engine/RecordScan.h"
#include "engine/ResultSink.h"
#include "engine/SourceSurvey.h"
#include "engine/TimeStamp.h"

using platform::MessageIcon;

namespace {

constexpr int FieldOutput = 2;
constexpr int PlainTextKind = 3;

// The message of a failed check; empty for a check whose failure was told by the survey.
std::string CheckMessage(RunCheck check, const JobSettings& job)
{
    switch (check) {
    case RunCheck::NoSearchDir: return msg::NoSearchDirText;
    case RunCheck::NoSearchFile: return msg::NoSearchFileText;
    case RunCheck::NoSourceFile: return msg::NoSourceFileText;
    case RunCheck::NoResultFile: return msg::NoResultFileText;
    case RunCheck::OutputFieldOutOfRange: return msg::OutputFieldText;
    case RunCheck::FieldSearchInTextMode: return msg::TextModeFieldsText;
    case RunCheck::NoSearchFields:
    case RunCheck::BadSearchFields: return msg::NoSearchFieldsText;
    case RunCheck::NoConditions: return msg::NoConditionsText;
    case RunCheck::ResultIsSource:
    case RunCheck::ResultNotCreated: return msg::ResultOpen(job.ResultFile);
    case RunCheck::Passed:
    case RunCheck::SourceSurveyFailed: break;
    }
    return {};
}

bool ResultNamesSource(const JobSettings& job, const RunOptions& options)
{
    const auto source = IdentifyFile(job.SourceFile);
    const auto result = options.destination == ResultDestination::StandardOutput ? IdentifyStandardOutput()
                                                                                 : IdentifyFile(job.ResultFile);
    return source && result && *source == *result;
}

// The checks before anything is created, in their fixed order. In file mode
// the source is surveyed between the source and result checks; a survey that
// fails ends the run, so that no earlier survey's records are searched.
RunCheck CheckInputs(JobState& state, RunHost& host, const RunOptions& options)
{
    JobSettings& job = state.job;
    if (job.DirMode == 1 && job.SearchDir.empty())
        return RunCheck::NoSearchDir;
    if (job.DirMode == 1 && job.SearchFile.empty())
        return RunCheck::NoSearchFile;
    if (job.DirMode == 0) {
        if (job.SourceFile.empty())
            return RunCheck::NoSourceFile;
        if (SurveySource(Survey::ForRun, job, state.survey, host.GetPrompter(), host.GetBusyIndicator())
            != SurveyResult::Done)
            return RunCheck::SourceSurveyFailed;
    }
    if (job.ResultFile.empty())
        return RunCheck::NoResultFile;
    // A directory run's files are surveyed one by one later, and a field a
    // record lacks is written as an empty line; only a number below 1 is refused.
    if (job.PickMode == FieldOutput
        && (job.KeyCol <= 0 || (job.DirMode == 0 && job.KeyCol > state.survey.MaxFieldCount)))
        return RunCheck::OutputFieldOutOfRange;
    if (job.FileKind == PlainTextKind && job.SearchKind == 1)
        return RunCheck::FieldSearchInTextMode;
    if (job.SearchKind != 0 && job.SearchCol.empty())
        return RunCheck::NoSearchFields;
    if (job.SearchKind != 0 && !AllFieldNumbersValid(ParseFieldNumbers(job.SearchCol)))
        return RunCheck::BadSearchFields;
    if (state.list.Count() == 0)
        return RunCheck::NoConditions;
    // Creating the result would truncate the source before it is read.
    if (job.DirMode == 0 && ResultNamesSource(job, options))
        return RunCheck::ResultIsSource;
    return RunCheck::Passed;
}

RunOutcome Refused(RunCheck check, const JobSettings& job, platform::Prompter& prompter)
{
    const std::string text = CheckMessage(check, job);
    if (!text.empty())
        prompter.Tell(text, MessageIcon::Stop);
    RunOutcome outcome;
    outcome.check = check;
    outcome.focusControl = FocusControlOf(check);
    return outcome;
}

std::unique_ptr<ResultSink> OpenResult(const JobSettings& job, const RunOptions& options)
{
    platform::FileResult error;
    if (options.destination == ResultDestination::StandardOutput)
        return OpenStandardOutput(job.ResultFile, error);
    return CreateResultFile(job.ResultFile, error);
}

// Tallies what one file's scan ended with; false when the run must stop.
bool Tally(ScanResult result, RunOutcome& outcome)
{
    if (result == ScanResult::SourceFailed)
        ++outcome.unreadableSources;
    outcome.cancelled = result == ScanResult::Cancelled;
    return result != ScanResult::Cancelled && result != ScanResult::WriteFailed;
}

void ScanDirectory(JobState& state, RunHost& host, RecordScan& scan, RunOutcome& outcome)
{
    JobSettings& job = state.job;
    DirectoryWalk walk;
    {
        BusyScope busy(host.GetBusyIndicator());
        CollectFiles(job.SearchDir, job.SearchFile,
                     job.SubDir == 1 ? Recursion::IntoSubdirectories : Recursion::ThisDirectoryOnly, walk,
                     host.GetPrompter());
    }
    const int total = static_cast<int>(walk.files.size());
    for (int k = 1; k <= total; ++k) {
        job.SourceFile = walk.files[k - 1];
        outcome.filesDone = k;
        const SurveyResult survey
            = SurveySource(Survey::ForRun, job, state.survey, host.GetPrompter(), host.GetBusyIndicator());
        // Declined leaves the previous file's counts: scanning with them would
        // split this file wrongly, so the file is left out.
        if (survey == SurveyResult::Declined) {
            ++outcome.skippedSources;
            continue;
        }
        if (!Tally(scan.ExtractFile(job.SourceFile, k, total), outcome))
            break;
    }
    job.SourceFile.clear();
    state.survey.RecordCount = 0;
    state.survey.MaxFieldCount = 0;
    state.survey.SampleRecords.clear();
    host.RefreshControls();
}

}  // namespace

std::string RunHost::TimeStamp()
{
    return MakeTimeStamp();
}

int FocusControlOf(RunCheck check)
{
    switch (check) {
    case RunCheck::NoSearchDir: return 1010;
    case RunCheck::NoSearchFile: return 1011;
    case RunCheck::NoSourceFile:
    case RunCheck::SourceSurveyFailed: return 1012;
    case RunCheck::NoResultFile:
    case RunCheck::ResultIsSource: return 1022;
    case RunCheck::OutputFieldOutOfRange: return 1002;
    case RunCheck::FieldSearchInTextMode:
    case RunCheck::NoSearchFields:
    case RunCheck::BadSearchFields: return 1005;
    case RunCheck::Passed:
    case RunCheck::NoConditions:
    case RunCheck::ResultNotCreated: break;
    }
    return 0;
}

RunOutcome RunExtraction(JobState& state, RunHost& host, const RunOptions& options)
{
    JobSettings& job = state.job;
    platform::Prompter& prompter = host.GetPrompter();
    if (const RunCheck check = CheckInputs(state, host, options); check != RunCheck::Passed)
        return Refused(check, job, prompter);

    std::unique_ptr<ResultSink> result = OpenResult(job, options);
    if (!result)
        return Refused(RunCheck::ResultNotCreated, job, prompter);

    // The switch is read once: the settings do not change during a run.
    const bool screenSaverOff = job.ScrOFF == 1;
    if (screenSaverOff)
        host.GetScreenSaver().SwitchOff();
    const std::string startStamp = host.TimeStamp();
    std::unique_ptr<ProgressMonitor> monitor = host.OpenProgress(msg::SearchingFilesText);
    state.HitCount = 0;
    state.SkipCount = 0;

    RunOutcome outcome;
    const CompiledConditions conditions(state.list, job);
    RecordScan scan(job, state.survey, conditions, *result, *monitor, prompter, [&host] { host.Repaint(); },
                    state.HitCount, state.SkipCount);
    if (job.DirMode == 0) {
        outcome.filesDone = 1;
        Tally(scan.ExtractFile(job.SourceFile, 1, 1), outcome);
    } else {
        ScanDirectory(state, host, scan, outcome);
    }

    monitor.reset();
    platform::FileResult writeError = scan.WriteError();
    platform::FileResult closeError = result->Close();
    if (!writeError)
        writeError = std::move(closeError);
    if (writeError) {
        outcome.writeFailed = true;
        prompter.Tell(msg::ResultWrite(job.ResultFile, writeError->reason), MessageIcon::Stop);
    }

    const std::string endStamp = host.TimeStamp();
    prompter.Tell(msg::Summary(outcome.filesDone, state.HitCount, job.ResultFile, state.SkipCount, startStamp,
                               endStamp),
                  MessageIcon::Information);
    if (screenSaverOff)
        host.GetScreenSaver().Restore();
    if (job.AplExec == 1 && !job.AplName.empty() && options.destination == ResultDestination::File)
        LaunchCommand(CompanionCommandLine(job.AplName, job.ResultFile), prompter);
    return outcome;
}
