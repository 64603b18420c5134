// Spawning the program with pipes for its output.

#include "tests/app/CliProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace clitest {

namespace {

std::vector<std::string> MergedEnvironment(const std::vector<std::string>& extra)
{
    std::vector<std::string> merged;
    for (char** entry = environ; *entry; ++entry) {
        std::string_view text(*entry);
        std::string_view name = text.substr(0, text.find('='));
        bool replaced = false;
        for (const std::string& added : extra)
            replaced = replaced || added.starts_with(std::string(name) + "=");
        if (!replaced)
            merged.emplace_back(text);
    }
    merged.insert(merged.end(), extra.begin(), extra.end());
    return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Reads from both descriptors until both reach their end.
void Drain(int outFd, int errFd, std::string& out, std::string& err)
{
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* targets[2] = {&out, &err};
    int open = 2;
    char buffer[65536];
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                targets[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

// A pseudo-terminal: [0] the side the test reads, [1] the program's side.
bool OpenTerminal(int (&ends)[2])
{
    int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0)
        return false;
    const char* name = nullptr;
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 || !(name = ::ptsname(master))) {
        ::close(master);
        return false;
    }
    int slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0) {
        ::close(master);
        return false;
    }
    ends[0] = master;
    ends[1] = slave;
    return true;
}

}  // namespace

CliProcess::CliProcess(const CliLaunch& launch)
{
    int outPipe[2];
    int errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0)
        return;
    const bool errOpen = launch.errorStream == ErrorStream::Terminal ? OpenTerminal(errPipe)
                                                                     : ::pipe2(errPipe, O_CLOEXEC) == 0;
    if (!errOpen) {
        ::close(outPipe[0]);
        ::close(outPipe[1]);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    if (!launch.workDir.empty())
        posix_spawn_file_actions_addchdir_np(&actions, launch.workDir.c_str());

    std::vector<std::string> argTexts{LODESTREL_CLI_PATH};
    argTexts.insert(argTexts.end(), launch.args.begin(), launch.args.end());
    std::vector<std::string> envTexts = MergedEnvironment(launch.environment);
    std::vector<char*> argv = Pointers(argTexts);
    std::vector<char*> envp = Pointers(envTexts);
    pid_t pid = -1;
    if (::posix_spawn(&pid, LODESTREL_CLI_PATH, &actions, nullptr, argv.data(), envp.data()) == 0)
        m_pid = pid;
    posix_spawn_file_actions_destroy(&actions);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    m_out = outPipe[0];
    m_err = errPipe[0];
}

CliProcess::~CliProcess()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        Finish();
    }
    if (m_out >= 0)
        ::close(m_out);
    if (m_err >= 0)
        ::close(m_err);
}

void CliProcess::Signal(int signal) const
{
    if (m_pid > 0)
        ::kill(m_pid, signal);
}

CliResult CliProcess::Finish()
{
    CliResult result;
    if (m_pid <= 0)
        return result;
    Drain(m_out, m_err, result.out, result.err);
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    if (WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.status = -WTERMSIG(status);
    return result;
}

CliResult RunCli(const CliLaunch& launch)
{
    CliProcess process(launch);
    return process.Finish();
}

}  // namespace clitest
