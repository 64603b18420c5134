// Device and inode of a path or of the standard output.

#include "engine/FileIdentity.h"

#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/files/NativePath.h"

std::optional<platform::FileId> IdentifyFile(std::string_view path)
{
    std::string native;
    if (platform::ToNativePath(path, native))
        return std::nullopt;
    struct stat status {};
    if (::stat(native.c_str(), &status) != 0)
        return std::nullopt;
    return platform::FileId{status.st_dev, status.st_ino};
}

std::optional<platform::FileId> IdentifyStandardOutput()
{
    struct stat status {};
    if (::fstat(STDOUT_FILENO, &status) != 0)
        return std::nullopt;
    return platform::FileId{status.st_dev, status.st_ino};
}
