#include "platform/window/WindowPrompter.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/window/DesktopPrompter.h"

namespace platform {
namespace {

WindowPrompter* g_current = nullptr;

// The process's current directory for as long as it lives.
class CurrentDirectoryKeeper {
public:
    CurrentDirectoryKeeper()
    {
        for (std::vector<char> buffer(256);; buffer.resize(buffer.size() * 2)) {
            if (getcwd(buffer.data(), buffer.size())) {
                m_directory = buffer.data();
                return;
            }
            if (errno != ERANGE)
                return;
        }
    }
    ~CurrentDirectoryKeeper()
    {
        if (!m_directory.empty() && chdir(m_directory.c_str()) != 0) {
            // The directory is gone; the process stays where the dialog left it.
        }
    }
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

private:
    std::string m_directory;
};

}  // namespace

WindowPrompter& CurrentPrompter()
{
    if (g_current)
        return *g_current;
    static DesktopPrompter desktop;
    return desktop;
}

ScopedPrompter::ScopedPrompter(WindowPrompter& prompter) : m_previous(g_current)
{
    g_current = &prompter;
}

ScopedPrompter::~ScopedPrompter()
{
    g_current = m_previous;
}

std::optional<std::string> BrowseForFile(QWidget* owner, const FileDialogRequest& request)
{
    const CurrentDirectoryKeeper keeper;
    return CurrentPrompter().ChooseFile(owner, request);
}

}  // namespace platform
