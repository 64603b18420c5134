// Buffered text-mode writing.

#include "platform/files/TextWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace platform {

TextWriter::TextWriter(std::size_t bufferSize)
    : m_capacity(std::max<std::size_t>(bufferSize, 2))
{
}

TextWriter::~TextWriter()
{
    Close();
}

FileResult TextWriter::Create(std::string_view path)
{
    Close();
    m_path = path;
    // Truncation waits for the claim, so that a refused writer never empties
    // a file that this process holds.
    if (FileResult error = OpenFile(path, O_WRONLY | O_CREAT, FileAccess::Write, m_file))
        return error;
    if (m_file.regular && ::ftruncate(m_file.fd, 0) != 0) {
        FileError error = SystemFileError(FileOperation::Open, errno, path);
        CloseFile(m_file.fd);
        m_file = OpenedFile{};
        return error;
    }
    if (!m_buffer)
        m_buffer = std::make_unique_for_overwrite<char[]>(m_capacity);
    return std::nullopt;
}

FileResult TextWriter::Write(std::string_view bytes)
{
    if (m_file.fd < 0)
        return FileError{FileOperation::Write, EBADF, "No file is open", m_path};
    while (!m_error && !bytes.empty()) {
        const void* lf = std::memchr(bytes.data(), '\n', bytes.size());
        std::size_t run = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - bytes.data())
                             : bytes.size();
        Append(bytes.data(), run);
        if (!lf)
            break;
        Append("\r\n", 2);
        bytes.remove_prefix(run + 1);
    }
    return m_error;
}

FileResult TextWriter::Flush()
{
    if (m_file.fd < 0)
        return FileError{FileOperation::Write, EBADF, "No file is open", m_path};
    if (!m_error && m_used > 0)
        WriteOut(m_buffer.get(), m_used);
    m_used = 0;
    return m_error;
}

FileResult TextWriter::Close()
{
    if (m_file.fd < 0)
        return std::nullopt;
    FileResult result = Flush();
    int code = CloseFile(m_file.fd);
    if (!result && code != 0)
        result = SystemFileError(FileOperation::Close, code, m_path);
    m_file = OpenedFile{};
    m_error.reset();
    return result;
}

void TextWriter::Append(const char* bytes, std::size_t count)
{
    while (count > 0 && !m_error) {
        if (m_used == m_capacity)
            Flush();
        std::size_t part = std::min(count, m_capacity - m_used);
        std::memcpy(m_buffer.get() + m_used, bytes, part);
        m_used += part;
        bytes += part;
        count -= part;
    }
}

// Writes all of bytes, going on after partial writes and interruptions; the
// first failure becomes the kept error.
void TextWriter::WriteOut(const char* bytes, std::size_t count)
{
    while (count > 0) {
        ssize_t written = ::write(m_file.fd, bytes, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0) {
            m_error = SystemFileError(FileOperation::Write, errno, m_path);
            return;
        }
        if (written == 0) {
            m_error = FileError{FileOperation::Write, EIO, "The system accepted no bytes", m_path};
            return;
        }
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
}

}  // namespace platform
