#pragma once
// The files this process has open as text files, by device and inode, so that
// opening follows the sharing of the result file within the process, whatever
// path names the file: a file open for writing cannot be opened again, neither
// for reading nor for writing, and a file open for reading cannot be opened for
// writing. Readers share a file with each other.

#include <sys/types.h>

#include <compare>
#include <optional>

namespace platform {

struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    auto operator<=>(const FileId&) const = default;
};

enum class FileAccess { Read, Write };

// One claim on one file, released by Release() or on destruction.
class FileHold {
public:
    FileHold() = default;
    FileHold(FileHold&& other) noexcept;
    FileHold& operator=(FileHold&& other) noexcept;
    FileHold(const FileHold&) = delete;
    FileHold& operator=(const FileHold&) = delete;
    ~FileHold();

    // nullopt when the claim conflicts with one this process already holds.
    static std::optional<FileHold> Take(FileId id, FileAccess access);

    void Release();

private:
    FileHold(FileId id, FileAccess access);

    FileId m_id;
    FileAccess m_access = FileAccess::Read;
    bool m_held = false;
};

}  // namespace platform
