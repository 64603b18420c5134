#pragma once
// Where a run writes its hits: the result file, or the standard output of the
// command-line program. Both write text-mode lines ("\n" becomes CR LF), hold
// their file against being read as a source of the same run, and keep the
// first write error so that no later call reports success.

#include <memory>
#include <string>
#include <string_view>

#include "platform/files/FileError.h"

class ResultSink {
public:
    virtual ~ResultSink() = default;
    virtual platform::FileResult Write(std::string_view bytes) = 0;
    // Hands everything to the system and lets go of the file; the first error
    // of the whole writing, if any.
    virtual platform::FileResult Close() = 0;
};

// Creates or truncates path (code page 932); nullptr and the error when that fails.
std::unique_ptr<ResultSink> CreateResultFile(const std::string& path, platform::FileResult& error);

// The process's standard output, named name in error values. nullptr and the
// error when it is closed, or when this process already holds its file.
std::unique_ptr<ResultSink> OpenStandardOutput(const std::string& name, platform::FileResult& error);
