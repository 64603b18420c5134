#pragma once
// Writes the result file as a text file: created or truncated, buffered, and
// every "\n" reaches the disk as CR LF (every one, also one after a CR).
//
// While open, the writer holds its file: this process cannot open the same file
// (same device and inode, whatever path names it) as a RecordReader or with a
// second TextWriter, and the writer cannot open a file that a reader has open.
//
// A write error (a full disk, an I/O error) is kept: the failed call and every
// later Write, Flush and Close return it, so that none is ever taken for
// success. Close reports the outcome of the whole file; the destructor closes
// too but cannot report, so callers that care call Close.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/files/FileError.h"
#include "platform/files/OpenFile.h"

namespace platform {

class TextWriter {
public:
    static constexpr std::size_t DefaultBufferSize = 256 * 1024;

    explicit TextWriter(std::size_t bufferSize = DefaultBufferSize);
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;
    ~TextWriter();

    // Creates path (code page 932) or truncates it, closing the file open before.
    FileResult Create(std::string_view path);
    bool IsOpen() const { return m_file.fd >= 0; }

    FileResult Write(std::string_view bytes);
    // Hands the buffered bytes to the system.
    FileResult Flush();
    // Flushes, closes and releases the file; returns the first error of the
    // file's writing, or the close's own. Closing a closed writer succeeds.
    FileResult Close();

private:
    void Append(const char* bytes, std::size_t count);
    void WriteOut(const char* bytes, std::size_t count);

    std::size_t m_capacity;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_used = 0;
    std::string m_path;
    OpenedFile m_file;
    FileResult m_error;  // the first write error, kept until Close
};

}  // namespace platform
