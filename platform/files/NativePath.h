#pragma once
// File names are code page 932 like all program text; the file system takes
// UTF-8. Every system call on a path goes through this conversion.

#include <string>
#include <string_view>

#include "platform/files/FileError.h"

namespace platform {

// Fills native with the UTF-8 form of path. A path with a byte sequence that
// does not convert (EILSEQ) or with a NUL byte (EINVAL), which would make the
// system name some other file, is an open error instead.
FileResult ToNativePath(std::string_view path, std::string& native);

}  // namespace platform
