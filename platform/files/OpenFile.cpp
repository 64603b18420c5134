// Opening and claiming text files.

#include "platform/files/OpenFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/files/NativePath.h"

namespace platform {

namespace {

FileError InUseError(FileAccess access, std::string_view path)
{
    std::string reason = access == FileAccess::Read
        ? "The file is in use: this program has it open for writing"
        : "The file is in use: this program has it open";
    return FileError{FileOperation::Open, EBUSY, std::move(reason), std::string(path)};
}

// O_NONBLOCK keeps the open of a pipe without a partner from hanging; the
// reads and writes that follow block as usual.
int OpenNative(const std::string& native, int flags)
{
    int fd;
    do {
        fd = ::open(native.c_str(), flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return fd;
    int status = ::fcntl(fd, F_GETFL);
    if (status >= 0)
        ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK);
    return fd;
}

}  // namespace

FileResult OpenFile(std::string_view path, int flags, FileAccess access, OpenedFile& opened)
{
    std::string native;
    if (FileResult error = ToNativePath(path, native))
        return error;
    int fd = OpenNative(native, flags);
    if (fd < 0)
        return SystemFileError(FileOperation::Open, errno, path);

    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        int code = errno;
        CloseFile(fd);
        return SystemFileError(FileOperation::Open, code, path);
    }
    if (S_ISDIR(status.st_mode)) {
        CloseFile(fd);
        return SystemFileError(FileOperation::Open, EISDIR, path);
    }
    std::optional<FileHold> hold = FileHold::Take(FileId{status.st_dev, status.st_ino}, access);
    if (!hold) {
        CloseFile(fd);
        return InUseError(access, path);
    }
    opened.fd = fd;
    opened.hold = std::move(*hold);
    opened.regular = S_ISREG(status.st_mode);
    opened.size = opened.regular ? static_cast<std::uint64_t>(status.st_size) : 0;
    return std::nullopt;
}

int CloseFile(int fd)
{
    return ::close(fd) == 0 ? 0 : errno;
}

}  // namespace platform
