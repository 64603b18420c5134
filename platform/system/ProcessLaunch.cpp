#include "platform/system/ProcessLaunch.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/text/Convert.h"

extern char** environ;

namespace platform {
namespace {

bool IsExecutableFile(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

// The executable a program token names: itself when it holds a slash,
// otherwise the first match in PATH. Empty when there is none.
std::string ResolveProgram(const std::string& token)
{
    if (token.empty())
        return {};
    if (token.find('/') != std::string::npos)
        return IsExecutableFile(token) ? token : std::string();
    const char* path = std::getenv("PATH");
    std::string_view dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        const std::size_t colon = dirs.find(':');
        std::string dir(dirs.substr(0, colon));
        const std::string candidate = (dir.empty() ? std::string(".") : dir) + "/" + token;
        if (IsExecutableFile(candidate))
            return candidate;
        if (colon == std::string_view::npos)
            return {};
        dirs.remove_prefix(colon + 1);
    }
}

std::string_view TrimLeadingBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

std::vector<std::string> SplitArguments(std::string_view rest)
{
    rest = TrimLeadingBlanks(rest);
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"')
        return {std::string(rest.substr(1, rest.size() - 2))};
    std::vector<std::string> args;
    std::string current;
    bool inQuotes = false;
    bool inToken = false;
    for (char c : rest) {
        if (c == '"') {
            inQuotes = !inQuotes;
            inToken = true;
        } else if ((c == ' ' || c == '\t') && !inQuotes) {
            if (inToken)
                args.push_back(std::move(current));
            current.clear();
            inToken = false;
        } else {
            current.push_back(c);
            inToken = true;
        }
    }
    if (inToken)
        args.push_back(std::move(current));
    return args;
}

}  // namespace

int ParseCommandLine(std::string_view commandLine, ParsedCommandLine& parsed)
{
    const auto utf8 = cp932::ToUtf8(commandLine);
    if (!utf8)
        return EILSEQ;
    const std::string_view line = TrimLeadingBlanks(*utf8);

    if (!line.empty() && line.front() == '"') {
        const std::size_t close = line.find('"', 1);
        const std::size_t end = close == std::string_view::npos ? line.size() : close;
        parsed.program = ResolveProgram(std::string(line.substr(1, end - 1)));
        parsed.args = SplitArguments(close == std::string_view::npos ? std::string_view() : line.substr(close + 1));
        return parsed.program.empty() ? ENOENT : 0;
    }
    for (std::size_t end = line.find(' ');; end = line.find(' ', end + 1)) {
        const std::size_t tokenEnd = end == std::string_view::npos ? line.size() : end;
        parsed.program = ResolveProgram(std::string(line.substr(0, tokenEnd)));
        if (!parsed.program.empty()) {
            parsed.args = SplitArguments(line.substr(tokenEnd));
            return 0;
        }
        if (end == std::string_view::npos)
            return ENOENT;
    }
}

int StartDetached(std::string_view commandLine)
{
    ParsedCommandLine parsed;
    if (const int error = ParseCommandLine(commandLine, parsed))
        return error;

    std::vector<char*> argv;
    argv.push_back(parsed.program.data());
    for (std::string& arg : parsed.args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    // The program runs in a session of its own with default signal handling,
    // so that neither a Ctrl-C meant for us nor our signal mask reaches it.
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = 0;
    const int error = posix_spawn(&pid, parsed.program.c_str(), nullptr, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    if (error != 0)
        return error;

    // Nobody waits for the program; reap it when it ends so it leaves no zombie.
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
    return 0;
}

}  // namespace platform
