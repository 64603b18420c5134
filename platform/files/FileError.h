#pragma once
// The error value of the text files: which operation failed on which file, the
// system's error number and a readable reason, so that callers can build their
// own messages from it.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class FileOperation { Open, Read, Seek, Write, Close };

struct FileError {
    FileOperation operation = FileOperation::Open;
    // errno value. Besides the system's own: EBUSY for a file this process
    // holds, EILSEQ for a name that does not convert, EINVAL for a name with
    // a NUL byte, EBADF for an operation on a closed file.
    int code = 0;
    std::string reason;  // readable English text (ASCII, so also valid code page 932)
    std::string path;    // the file's path as given, code page 932
};

// Empty on success, otherwise the error.
using FileResult = std::optional<FileError>;

// The error for the system error number code, with the system's text for it.
FileError SystemFileError(FileOperation operation, int code, std::string_view path);

// One line: "<path>: cannot <operation>: <reason>".
std::string Describe(const FileError& error);

}  // namespace platform
