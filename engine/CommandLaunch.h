#pragma once
// Starting the companion program on a file: the one command-line rule both
// callers use (the run on its result file, the window's view commands on the
// file shown), and the launch that tells the user when it failed.

#include <string>
#include <string_view>

#include "platform/prompt/Prompter.h"

// "program \"file\"": the program exactly as stored, unquoted, a blank, and
// the file in double quotes.
std::string CompanionCommandLine(std::string_view program, std::string_view file);

// Starts commandLine (code page 932) without a shell and without waiting: 0
// when it started; otherwise 1, after telling the user the command line and
// the system's error number.
int LaunchCommand(std::string_view commandLine, platform::Prompter& prompter);
