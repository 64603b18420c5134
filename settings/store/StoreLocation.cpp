#include "settings/store/StoreLocation.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace {

bool IsAbsoluteFolder(const char* path)
{
    return path != nullptr && path[0] == '/';
}

// The home folder recorded for the current user, for when HOME is not set.
std::string HomeFromUserDatabase()
{
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr)
        return {};
    return found->pw_dir != nullptr ? found->pw_dir : "";
}

}  // namespace

std::filesystem::path StoreFileFor(const char* xdgConfigHome, const char* home)
{
    std::filesystem::path configHome;
    if (IsAbsoluteFolder(xdgConfigHome))
        configHome = xdgConfigHome;
    else if (IsAbsoluteFolder(home))
        configHome = std::filesystem::path(home) / ".config";
    else
        return {};
    return configHome / "Orvik" / "Lodestrel" / "registry.db";
}

std::filesystem::path DefaultStoreFile()
{
    const char* home = std::getenv("HOME");
    std::string recordedHome;
    if (!IsAbsoluteFolder(home)) {
        recordedHome = HomeFromUserDatabase();
        home = recordedHome.c_str();
    }
    return StoreFileFor(std::getenv("XDG_CONFIG_HOME"), home);
}
