#pragma once
// The job of one command-line run: JobSettings and the condition list, built
// from the defaults (or, with --settings, from the job the window program
// stored) and then from the options given.

#include <string>

#include "app/lodestrel-cli/CliOptions.h"
#include "settings/JobSettings.h"
#include "settings/SearchList.h"

// Fills job and list, which hold the defaults on entry. Returns the reason the
// job cannot be built (UTF-8, naming the file concerned), or an empty text.
std::string SetUpJob(const CliOptions& options, JobSettings& job, SearchList& list);

// The options given on the command line, applied over job: only the settings
// the user named change. The companion program is never started by the
// command-line program.
void ApplyOptions(const CliOptions& options, JobSettings& job);
