#pragma once
// Opening a text file for the reader or the writer: converts the name, opens
// the file, and claims it by device and inode (HeldFiles.h), so that a file
// this process is writing is refused whatever path names it.

#include <sys/stat.h>

#include <cstdint>
#include <string_view>

#include "platform/files/FileError.h"
#include "platform/files/HeldFiles.h"

namespace platform {

struct OpenedFile {
    int fd = -1;
    FileHold hold;
    std::uint64_t size = 0;  // length at opening; 0 for anything but a regular file
    bool regular = false;    // a regular file (not a device or a pipe)
};

// Opens path (code page 932) with the open(2) access flags for access and
// fills opened. Reading refuses a directory (EISDIR); a file whose claim
// conflicts is refused with EBUSY. Never truncates: a writer truncates after
// its claim succeeded, so a refused open leaves the file as it was.
FileResult OpenFile(std::string_view path, int flags, FileAccess access, OpenedFile& opened);

// Closes fd once and returns the error number, or 0. It is never retried: on
// Linux the descriptor is released even when close fails.
int CloseFile(int fd);

}  // namespace platform
