// Block-buffered record reading.

#include "platform/files/RecordReader.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace platform {

namespace {

constexpr char EndOfFileByte = 0x1A;

FileError NotOpenError(FileOperation operation, const std::string& path)
{
    return FileError{operation, EBADF, "No file is open", path};
}

}  // namespace

RecordReader::RecordReader(std::size_t blockSize)
    : m_blockSize(std::max<std::size_t>(blockSize, 1))
{
}

RecordReader::~RecordReader()
{
    Close();
}

FileResult RecordReader::Open(std::string_view path)
{
    Close();
    m_path = path;
    if (FileResult error = OpenFile(path, O_RDONLY, FileAccess::Read, m_file))
        return error;
    ::posix_fadvise(m_file.fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    if (m_capacity != m_blockSize) {
        m_buffer = std::make_unique_for_overwrite<char[]>(m_blockSize);
        m_capacity = m_blockSize;
    }
    ResetBuffer();
    return std::nullopt;
}

void RecordReader::Close()
{
    if (m_file.fd >= 0)
        CloseFile(m_file.fd);
    m_file = OpenedFile{};
    ResetBuffer();
}

bool RecordReader::Next(std::string_view& record)
{
    if (m_file.fd < 0 || m_error)
        return false;
    for (;;) {
        const char* data = m_buffer.get();
        if (auto* lf = static_cast<const char*>(std::memchr(data + m_scanned, '\n', m_end - m_scanned))) {
            std::size_t stop = static_cast<std::size_t>(lf - data);
            std::size_t length = stop - m_begin;
            if (length > 0 && data[stop - 1] == '\r')
                --length;
            record = std::string_view(data + m_begin, length);
            m_begin = m_scanned = stop + 1;
            return true;
        }
        m_scanned = m_end;
        if (m_inputEnded) {
            if (m_error || m_begin == m_end)
                return false;
            record = std::string_view(data + m_begin, m_end - m_begin);
            m_begin = m_end;
            return true;
        }
        Fill();
    }
}

bool RecordReader::Next(std::string& record)
{
    std::string_view view;
    if (!Next(view))
        return false;
    record.assign(view);
    return true;
}

FileResult RecordReader::Rewind()
{
    if (m_file.fd < 0)
        return NotOpenError(FileOperation::Seek, m_path);
    if (::lseek(m_file.fd, 0, SEEK_SET) < 0)
        return SystemFileError(FileOperation::Seek, errno, m_path);
    ResetBuffer();
    return std::nullopt;
}

void RecordReader::ResetBuffer()
{
    m_begin = m_scanned = m_end = 0;
    m_bufferOffset = 0;
    m_inputEnded = false;
    m_error.reset();
}

// Moves the unfinished record to the front of the buffer, and doubles the
// buffer when that record fills more than half of it, so that every read has
// at least half a buffer to fill.
void RecordReader::MakeRoom()
{
    std::size_t pending = m_end - m_begin;
    if (pending > m_capacity / 2) {
        std::size_t capacity = m_capacity * 2;
        auto buffer = std::make_unique_for_overwrite<char[]>(capacity);
        std::memcpy(buffer.get(), m_buffer.get() + m_begin, pending);
        m_buffer = std::move(buffer);
        m_capacity = capacity;
    } else if (m_begin > 0) {
        std::memmove(m_buffer.get(), m_buffer.get() + m_begin, pending);
    }
    m_bufferOffset += m_begin;
    m_scanned -= m_begin;
    m_begin = 0;
    m_end = pending;
}

void RecordReader::Fill()
{
    MakeRoom();
    char* target = m_buffer.get() + m_end;
    ssize_t count;
    do {
        count = ::read(m_file.fd, target, m_capacity - m_end);
    } while (count < 0 && errno == EINTR);
    if (count < 0) {
        m_error = SystemFileError(FileOperation::Read, errno, m_path);
        m_inputEnded = true;
        return;
    }
    if (count == 0) {
        m_inputEnded = true;
        return;
    }
    if (auto* stop = static_cast<char*>(std::memchr(target, EndOfFileByte, static_cast<std::size_t>(count)))) {
        count = stop - target;
        m_inputEnded = true;
    }
    m_end += static_cast<std::size_t>(count);
}

}  // namespace platform
