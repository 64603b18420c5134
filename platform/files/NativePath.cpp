// Conversion of file names for system calls.

#include "platform/files/NativePath.h"

#include <cerrno>

#include "platform/text/Convert.h"

namespace platform {

FileResult ToNativePath(std::string_view path, std::string& native)
{
    if (path.find('\0') != std::string_view::npos)
        return FileError{FileOperation::Open, EINVAL, "The file name contains a NUL byte",
                         std::string(path)};
    std::optional<std::string> utf8 = cp932::ToUtf8(path);
    if (!utf8)
        return FileError{FileOperation::Open, EILSEQ,
                         "The file name has characters that code page 932 does not define",
                         std::string(path)};
    native = std::move(*utf8);
    return std::nullopt;
}

}  // namespace platform
