#include "XvfbServer.h"

#include <csignal>
#include <fcntl.h>
#include <cstdlib>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// Reads the display number Xvfb writes to its -displayfd when it is ready.
std::string ReadDisplayNumber(int fd)
{
    std::string number;
    pollfd p{fd, POLLIN, 0};
    char c = 0;
    while (poll(&p, 1, 10000) > 0 && read(fd, &c, 1) == 1 && c != '\n')
        number.push_back(c);
    return number;
}

}  // namespace

XvfbServer::XvfbServer()
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return;
    const std::string fdText = std::to_string(pipeFds[1]);
    const char* argv[] = {"Xvfb", "-displayfd", fdText.c_str(), "-screen", "0", "640x480x24", "-nolisten", "tcp", "-noreset", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int error = posix_spawnp(&m_pid, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (error != 0) {
        m_pid = -1;
        close(pipeFds[0]);
        return;
    }
    const std::string number = ReadDisplayNumber(pipeFds[0]);
    close(pipeFds[0]);
    if (number.empty()) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
        return;
    }
    m_display = ":" + number;
    if (const char* old = std::getenv("DISPLAY")) {
        m_hadDisplay = true;
        m_oldDisplay = old;
    }
    setenv("DISPLAY", m_display.c_str(), 1);
}

XvfbServer::~XvfbServer()
{
    if (m_pid <= 0)
        return;
    if (m_hadDisplay)
        setenv("DISPLAY", m_oldDisplay.c_str(), 1);
    else
        unsetenv("DISPLAY");
    kill(m_pid, SIGTERM);
    waitpid(m_pid, nullptr, 0);
}
