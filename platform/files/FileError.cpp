// Error values of the text files.

#include "platform/files/FileError.h"

#include <cstring>

namespace platform {

namespace {

std::string_view OperationName(FileOperation operation)
{
    switch (operation) {
    case FileOperation::Open: return "open";
    case FileOperation::Read: return "read";
    case FileOperation::Seek: return "seek";
    case FileOperation::Write: return "write";
    case FileOperation::Close: return "close";
    }
    return "use";
}

}  // namespace

FileError SystemFileError(FileOperation operation, int code, std::string_view path)
{
    // strerrordesc_np gives the untranslated text: strerror would follow the
    // locale Qt sets, in the locale's encoding rather than code page 932.
    const char* text = strerrordesc_np(code);
    std::string reason = text ? text : "Unknown error " + std::to_string(code);
    return FileError{operation, code, std::move(reason), std::string(path)};
}

std::string Describe(const FileError& error)
{
    std::string line = error.path;
    line += ": cannot ";
    line += OperationName(error.operation);
    line += ": ";
    line += error.reason;
    return line;
}

}  // namespace platform
