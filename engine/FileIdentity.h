#pragma once
// Which file a path names (device and inode, links followed), so that two
// paths, or a path and the standard output, can be told to be the same file.

#include <optional>
#include <string_view>

#include "platform/files/HeldFiles.h"

// nullopt when path (code page 932) names nothing or does not convert.
std::optional<platform::FileId> IdentifyFile(std::string_view path);

// The file behind the process's standard output; nullopt when it is closed.
std::optional<platform::FileId> IdentifyStandardOutput();
