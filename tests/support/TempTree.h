#pragma once
// A temporary directory for one test, removed with everything in it at the
// end, with helpers to make files and folders in it and read files back.
// Names given here are ASCII or UTF-8; paths returned are UTF-8, which for
// ASCII names are the same bytes as code page 932.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

class TempTree {
public:
    TempTree()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "lodestrel-test-XXXXXX").string();
        if (char* made = ::mkdtemp(pattern.data()))
            m_root = made;
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;
    ~TempTree()
    {
        std::error_code ignored;
        if (!m_root.empty())
            std::filesystem::remove_all(m_root, ignored);
    }

    bool Valid() const { return !m_root.empty(); }
    const std::filesystem::path& Root() const { return m_root; }

    std::string Path(std::string_view name) const { return (m_root / name).string(); }

    // Writes bytes to name (folders on the way are made) and returns its path.
    std::string Write(std::string_view name, std::string_view bytes) const
    {
        const std::filesystem::path path = m_root / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    std::string MakeFolder(std::string_view name) const
    {
        const std::filesystem::path path = m_root / name;
        std::filesystem::create_directories(path);
        return path.string();
    }

    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path m_root;
};
