#include "settings/store/DamagedStore.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <string>

namespace {

constexpr int MaxAttempts = 100;

// The local time as YYYYMMDD-HHMMSS.
std::string Timestamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

// Renames from to to unless to exists; false with errno set otherwise.
bool RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the no-replace rename: check first, then rename.
    std::error_code error;
    if (std::filesystem::exists(to, error) || error) {
        errno = EEXIST;
        return false;
    }
    return std::rename(from.c_str(), to.c_str()) == 0;
}

// Moves the journal files of from (if any) to the same names beside to.
void MoveCompanions(const std::filesystem::path& from, const std::filesystem::path& to)
{
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        std::filesystem::path companion = from;
        companion += suffix;
        std::filesystem::path target = to;
        target += suffix;
        std::error_code error;
        if (std::filesystem::exists(companion, error))
            RenameNoReplace(companion, target);
    }
}

}  // namespace

std::optional<std::filesystem::path> MoveDamagedStoreAside(const std::filesystem::path& storeFile)
{
    std::filesystem::path base = storeFile;
    base += ".damaged-" + Timestamp();
    for (int attempt = 1; attempt <= MaxAttempts; ++attempt) {
        std::filesystem::path target = base;
        if (attempt > 1) {
            target += "-";
            target += std::to_string(attempt);
        }
        if (RenameNoReplace(storeFile, target)) {
            MoveCompanions(storeFile, target);
            return target;
        }
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}
