// lodestrel-cli: one extraction run without a window, on the window program's
// engine. Reads the command line, builds the job, runs it and turns its
// outcome into the exit status.

#include <cstdio>
#include <span>

#include "app/lodestrel-cli/CliHost.h"
#include "app/lodestrel-cli/CliOptions.h"
#include "app/lodestrel-cli/ExitCode.h"
#include "app/lodestrel-cli/HelpText.h"
#include "app/lodestrel-cli/Interrupt.h"
#include "app/lodestrel-cli/JobSetup.h"
#include "platform/text/Convert.h"

namespace {

// The result's name in messages and in the summary when the hits go to
// standard output.
std::string StandardOutputName()
{
    return cp932::FromUtf8("標準出力").value_or("-");
}

ExitCode Refuse(const std::string& utf8)
{
    std::fprintf(stderr, "lodestrel-cli: %s\n", utf8.c_str());
    return ExitCode::InputError;
}

ExitCode Run(const CliOptions& options)
{
    JobSettings job;
    SearchList list;
    if (std::string error = SetUpJob(options, job, list); !error.empty())
        return Refuse(error);
    RunOptions runOptions;
    if (options.resultToStdout) {
        job.ResultFile = StandardOutputName();
        runOptions.destination = ResultDestination::StandardOutput;
    }

    SurveyValues survey;
    int HitCount = 0;
    int SkipCount = 0;
    JobState state{job, list, survey, HitCount, SkipCount};
    CliHost host(TerminalPrompter::ChooseAnswering(options.assumeYes),
                 options.resultToStdout ? SummaryStream::StandardError : SummaryStream::StandardOutput,
                 job.ScrOFF == 1 ? ScreenSaverUse::SwitchedOffDuringRun : ScreenSaverUse::Untouched);
    InstallInterruptHandlers();
    const ExitCode code = ExitCodeFor(RunExtraction(state, host, runOptions));
    // Ctrl-C at the memory question answers No, which stops the run as an
    // input error; the user asked for a cancel.
    if (code == ExitCode::InputError && InterruptRequested())
        return ExitCode::Cancelled;
    return code;
}

}  // namespace

int main(int argc, char** argv)
{
    ParsedArguments parsed = ParseArguments(std::span<const char* const>(argv + 1, argc > 0 ? argc - 1 : 0));
    if (!parsed.options) {
        std::fprintf(stderr, "lodestrel-cli: %s\n%s", parsed.error.c_str(), HelpHint().data());
        return ToStatus(ExitCode::InputError);
    }
    switch (parsed.options->action) {
    case CliAction::ShowHelp:
        std::fputs(HelpText().data(), stdout);
        return ToStatus(ExitCode::Success);
    case CliAction::ShowVersion:
        std::fputs(VersionText().c_str(), stdout);
        return ToStatus(ExitCode::Success);
    case CliAction::Run:
        break;
    }
    return ToStatus(Run(*parsed.options));
}
