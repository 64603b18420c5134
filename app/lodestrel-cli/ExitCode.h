#pragma once
// The exit statuses of lodestrel-cli, one per way a run can end, so that a
// script can tell them apart. --help and the README list the same numbers.

#include "engine/ExtractionRun.h"

enum class ExitCode : int {
    Success = 0,            // the run completed and every source was read
    InputError = 2,         // bad arguments, or a check or source refused the job; nothing was searched
    UnreadableSources = 3,  // the run completed, but some source could not be read or was left out
    WriteFailed = 4,        // writing the result failed; the run stopped
    Cancelled = 130,        // interrupted (Ctrl-C); the result keeps what was written
};

inline int ToStatus(ExitCode code)
{
    return static_cast<int>(code);
}

// A failed write outranks a cancel, which outranks unread sources: the status
// names the most serious thing that happened. A directory-run file left out
// because the memory question was answered No is unread like one that could
// not be opened: the result lacks its hits.
inline ExitCode ExitCodeFor(const RunOutcome& outcome)
{
    if (outcome.check != RunCheck::Passed)
        return ExitCode::InputError;
    if (outcome.writeFailed)
        return ExitCode::WriteFailed;
    if (outcome.cancelled)
        return ExitCode::Cancelled;
    if (outcome.unreadableSources > 0 || outcome.skippedSources > 0)
        return ExitCode::UnreadableSources;
    return ExitCode::Success;
}
