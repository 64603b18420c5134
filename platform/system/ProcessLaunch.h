#pragma once
// Starts another program from a Windows-style command line, directly (never
// through a shell, so no character of a file name can become a command), and
// does not wait for it.
//
// The command line is code page 932. Its first token names the program: a
// quoted first token is taken as it stands; an unquoted one may contain blanks
// and is resolved as Windows resolves it, by trying the prefixes that end at a
// blank, shortest first, until one names an executable file (a name without a
// slash is looked up in PATH). What follows is the argument list: a text wholly
// enclosed in double quotes is one argument taken verbatim (the companion form
// program "file"); otherwise blanks separate arguments and double quotes group.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ParsedCommandLine {
    std::string program;             // path of the executable, UTF-8
    std::vector<std::string> args;   // arguments after the program, UTF-8
};

// Returns 0 and fills parsed, or the error number (ENOENT when no prefix names
// an executable file, EILSEQ when the line does not convert to UTF-8).
int ParseCommandLine(std::string_view commandLine, ParsedCommandLine& parsed);

// Returns 0 when the program was started, otherwise the system's error number.
int StartDetached(std::string_view commandLine);

}  // namespace platform
