#pragma once
// Runs the lodestrel-cli binary as a child process for end-to-end tests: its
// arguments, working directory and extra environment are given; standard input
// is /dev/null (so there is no terminal to ask), standard output and standard
// error are captured.

#include <sys/types.h>

#include <string>
#include <vector>

namespace clitest {

struct CliResult {
    int status = -1;  // the exit status, or minus the signal that ended the process
    std::string out;  // standard output, as bytes
    std::string err;  // standard error, as bytes
};

// Standard error as a pipe, or as a pseudo-terminal, on which the program
// draws its progress line.
enum class ErrorStream { Pipe, Terminal };

struct CliLaunch {
    std::vector<std::string> args;        // after the program name
    std::string workDir;                  // empty: the test's own
    std::vector<std::string> environment; // "NAME=value" entries added to (or replacing) the test's
    ErrorStream errorStream = ErrorStream::Pipe;
};

class CliProcess {
public:
    explicit CliProcess(const CliLaunch& launch);
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;
    ~CliProcess();

    bool Started() const { return m_pid > 0; }
    void Signal(int signal) const;
    // Reads standard output and standard error to their end and waits for the exit.
    CliResult Finish();

private:
    pid_t m_pid = -1;
    int m_out = -1;
    int m_err = -1;
};

// Starts the program and finishes it.
CliResult RunCli(const CliLaunch& launch);

}  // namespace clitest
