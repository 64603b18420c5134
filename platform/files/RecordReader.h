#pragma once
// Reads a source file record by record as a text file: a record ends at LF, one
// CR just before the LF is dropped, a last line without a line end is a record
// too, and the byte 0x1A ends the file for reading. Any other byte, NUL and a
// lone CR included, stays in the record.
//
// The file is read in large blocks and records are handed out as views into the
// block buffer, so reading costs no allocation per record. A record longer than
// the buffer makes the buffer grow.
//
// While a TextWriter of this process holds a file, opening it here fails with
// EBUSY, whatever path names it; while a reader has it open, no writer can.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/files/FileError.h"
#include "platform/files/OpenFile.h"

namespace platform {

class RecordReader {
public:
    static constexpr std::size_t DefaultBlockSize = 512 * 1024;

    // blockSize is the size of one read; tests make it small.
    explicit RecordReader(std::size_t blockSize = DefaultBlockSize);
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;
    ~RecordReader();

    // Opens path (code page 932) for reading, closing the file open before.
    FileResult Open(std::string_view path);
    void Close();
    bool IsOpen() const { return m_file.fd >= 0; }

    // The next record: false at the end of the file and after a read error,
    // which Failed() tells apart. The view stays valid until the next call of
    // Next, Rewind, Open or Close.
    bool Next(std::string_view& record);
    // The same, copied.
    bool Next(std::string& record);

    // Back to the first record; clears a read error.
    FileResult Rewind();

    bool Failed() const { return m_error.has_value(); }
    // The read error that ended reading, if any.
    const FileResult& Error() const { return m_error; }

    // Length of the file when it was opened (0 for a pipe or a device).
    std::uint64_t Size() const { return m_file.size; }
    // Bytes of the file taken by the records handed out so far, line ends included.
    std::uint64_t Position() const { return m_bufferOffset + m_begin; }

private:
    void ResetBuffer();
    void MakeRoom();
    void Fill();

    std::size_t m_blockSize;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity = 0;
    std::size_t m_begin = 0;    // start of the next record in m_buffer
    std::size_t m_scanned = 0;  // bytes before this hold no LF after m_begin
    std::size_t m_end = 0;      // end of the bytes read into m_buffer
    std::uint64_t m_bufferOffset = 0;  // file offset of m_buffer[0]
    bool m_inputEnded = false;  // end of file, 0x1A or a read error reached
    std::string m_path;
    OpenedFile m_file;
    FileResult m_error;
};

}  // namespace platform
