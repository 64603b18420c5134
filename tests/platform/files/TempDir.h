#pragma once
// A temporary directory for one test, removed with everything in it at the end,
// and small helpers to put files into it and read them back.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace platform::testing {

class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "lodestrel-files-XXXXXX").string();
        if (char* made = ::mkdtemp(pattern.data()))
            m_path = made;
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir()
    {
        std::error_code ignored;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ignored);
    }

    bool Valid() const { return !m_path.empty(); }

    // The path of name inside the directory; names here are plain ASCII, so the
    // same bytes are valid code page 932.
    std::string operator/(std::string_view name) const { return (m_path / name).string(); }

    std::string Write(std::string_view name, std::string_view bytes) const
    {
        std::string path = *this / name;
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

private:
    std::filesystem::path m_path;
};

inline std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace platform::testing
