#pragma once
// The entries of one directory, with names in code page 932, sorted the way a
// user expects to see them (case-insensitive, then by bytes) so that every
// walk over the same tree takes the same order.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class EntryKind {
    File,               // a regular file, a link to one, or anything else that is not a directory
    Directory,          // a real directory (never a link), other than "." and ".."
    LinkToDirectory,    // a symbolic link to a directory: neither a file nor walked into
};

struct DirectoryEntry {
    // The name in code page 932. A character that has no code page 932 form
    // is kept as the byte 0xFF, which no file name converts back to, so the
    // entry fails to open instead of naming some other file.
    std::string name;
    EntryKind kind;
};

// False when the directory does not exist or cannot be read; entries is then empty.
bool ListDirectory(std::string_view directory, std::vector<DirectoryEntry>& entries);

}  // namespace platform
