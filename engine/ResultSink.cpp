// The two result sinks.

#include "engine/ResultSink.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files/HeldFiles.h"
#include "platform/files/TextWriter.h"

namespace {

class FileSink : public ResultSink {
public:
    platform::FileResult Create(const std::string& path) { return m_writer.Create(path); }
    platform::FileResult Write(std::string_view bytes) override { return m_writer.Write(bytes); }
    platform::FileResult Close() override { return m_writer.Close(); }

private:
    platform::TextWriter m_writer;
};

// Writes to descriptor 1 through a buffer, turning every "\n" into CR LF. The
// descriptor is used as it is (never reopened), so output appended to a file
// by the shell stays appended.
class StandardOutputSink : public ResultSink {
public:
    StandardOutputSink(std::string name, platform::FileHold hold) : m_name(std::move(name)), m_hold(std::move(hold))
    {
        m_buffer.reserve(BufferSize);
    }

    platform::FileResult Write(std::string_view bytes) override
    {
        if (m_error)
            return m_error;
        for (char byte : bytes) {
            if (byte == '\n')
                m_buffer += '\r';
            m_buffer += byte;
        }
        if (m_buffer.size() >= BufferSize)
            Flush();
        return m_error;
    }

    platform::FileResult Close() override
    {
        Flush();
        m_hold.Release();
        return m_error;
    }

private:
    static constexpr std::size_t BufferSize = 256 * 1024;

    void Flush()
    {
        std::size_t done = 0;
        while (!m_error && done < m_buffer.size()) {
            const ssize_t written = ::write(STDOUT_FILENO, m_buffer.data() + done, m_buffer.size() - done);
            if (written >= 0)
                done += static_cast<std::size_t>(written);
            else if (errno != EINTR)
                m_error = platform::SystemFileError(platform::FileOperation::Write, errno, m_name);
        }
        m_buffer.clear();
    }

    std::string m_name;
    platform::FileHold m_hold;
    std::string m_buffer;
    platform::FileResult m_error;
};

}  // namespace

std::unique_ptr<ResultSink> CreateResultFile(const std::string& path, platform::FileResult& error)
{
    auto sink = std::make_unique<FileSink>();
    error = sink->Create(path);
    if (error)
        return nullptr;
    return sink;
}

std::unique_ptr<ResultSink> OpenStandardOutput(const std::string& name, platform::FileResult& error)
{
    struct stat status {};
    if (::fstat(STDOUT_FILENO, &status) != 0) {
        error = platform::SystemFileError(platform::FileOperation::Open, errno, name);
        return nullptr;
    }
    auto hold = platform::FileHold::Take(platform::FileId{status.st_dev, status.st_ino}, platform::FileAccess::Write);
    if (!hold) {
        error = platform::SystemFileError(platform::FileOperation::Open, EBUSY, name);
        return nullptr;
    }
    error.reset();
    return std::make_unique<StandardOutputSink>(name, std::move(*hold));
}
