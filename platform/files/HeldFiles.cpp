// The process-wide table of claimed files.

#include "platform/files/HeldFiles.h"

#include <map>
#include <mutex>
#include <utility>

namespace platform {

namespace {

struct Claims {
    int readers = 0;
    bool writer = false;
};

std::mutex g_mutex;

std::map<FileId, Claims>& Table()
{
    static std::map<FileId, Claims> table;
    return table;
}

}  // namespace

FileHold::FileHold(FileId id, FileAccess access)
    : m_id(id), m_access(access), m_held(true)
{
}

FileHold::FileHold(FileHold&& other) noexcept
    : m_id(other.m_id), m_access(other.m_access), m_held(std::exchange(other.m_held, false))
{
}

FileHold& FileHold::operator=(FileHold&& other) noexcept
{
    if (this != &other) {
        Release();
        m_id = other.m_id;
        m_access = other.m_access;
        m_held = std::exchange(other.m_held, false);
    }
    return *this;
}

FileHold::~FileHold()
{
    Release();
}

std::optional<FileHold> FileHold::Take(FileId id, FileAccess access)
{
    std::lock_guard lock(g_mutex);
    Claims& claims = Table()[id];
    if (claims.writer || (access == FileAccess::Write && claims.readers > 0))
        return std::nullopt;
    if (access == FileAccess::Write)
        claims.writer = true;
    else
        ++claims.readers;
    return FileHold(id, access);
}

void FileHold::Release()
{
    if (!m_held)
        return;
    m_held = false;
    std::lock_guard lock(g_mutex);
    auto entry = Table().find(m_id);
    if (entry == Table().end())
        return;
    if (m_access == FileAccess::Write)
        entry->second.writer = false;
    else
        --entry->second.readers;
    if (!entry->second.writer && entry->second.readers == 0)
        Table().erase(entry);
}

}  // namespace platform
