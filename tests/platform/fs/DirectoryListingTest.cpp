#include "platform/fs/DirectoryListing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>

#include "platform/text/Convert.h"

namespace fs = std::filesystem;
using platform::DirectoryEntry;
using platform::EntryKind;

namespace {

class DirectoryListing : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("lodestrel-list-" + std::to_string(getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void Touch(const std::string& name) { std::ofstream(m_dir / name) << "x"; }
    std::vector<DirectoryEntry> List() const
    {
        std::vector<DirectoryEntry> entries;
        EXPECT_TRUE(platform::ListDirectory(m_dir.string(), entries));
        return entries;
    }

    fs::path m_dir;
};

}  // namespace

TEST_F(DirectoryListing, SortsCaseInsensitivelyThenByBytes)
{
    for (const char* name : {"b.txt", "a.txt", "C.txt", "A.txt", "_x", "10", "9"})
        Touch(name);
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : List())
        names.push_back(entry.name);
    EXPECT_EQ(names, (std::vector<std::string>{"10", "9", "A.txt", "a.txt", "b.txt", "C.txt", "_x"}));
}

TEST_F(DirectoryListing, TellsFilesDirectoriesAndLinksToDirectoriesApart)
{
    Touch("file.txt");
    fs::create_directory(m_dir / "folder.txt");
    fs::create_directory_symlink(m_dir / "folder.txt", m_dir / "link-to-folder");
    fs::create_symlink(m_dir / "file.txt", m_dir / "link-to-file");
    fs::create_symlink(m_dir / "missing", m_dir / "broken-link");

    const auto entries = List();
    ASSERT_EQ(entries.size(), 5u);
    const auto kindOf = [&](const std::string& name) {
        for (const DirectoryEntry& entry : entries)
            if (entry.name == name)
                return entry.kind;
        ADD_FAILURE() << name << " not listed";
        return EntryKind::File;
    };
    EXPECT_EQ(kindOf("file.txt"), EntryKind::File);
    EXPECT_EQ(kindOf("folder.txt"), EntryKind::Directory);
    EXPECT_EQ(kindOf("link-to-folder"), EntryKind::LinkToDirectory);
    EXPECT_EQ(kindOf("link-to-file"), EntryKind::File);
    EXPECT_EQ(kindOf("broken-link"), EntryKind::File);
}

TEST_F(DirectoryListing, NamesAreCodePage932)
{
    Touch("\xE8\xA1\xA8.csv");  // 表.csv in UTF-8 on disk
    const auto entries = List();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "\x95\x5C.csv");
}

TEST_F(DirectoryListing, NamesWithoutAnExactCodePage932FormNeverNameAnotherFile)
{
    Touch("caf\xC3\xA9.txt");          // é has no code page 932 form
    Touch("bad\xFF.txt");              // not UTF-8 at all
    Touch("\xE3\x80\x9C.txt");         // WAVE DASH and FULLWIDTH TILDE may share one code
    Touch("\xEF\xBD\x9E.txt");
    const auto entries = List();
    ASSERT_EQ(entries.size(), 4u);

    std::set<std::string> names;
    for (const DirectoryEntry& entry : entries) {
        names.insert(entry.name);
        // Every listed name either fails to convert or converts to its own file.
        if (const auto back = cp932::ToUtf8(entry.name)) {
            EXPECT_TRUE(fs::exists(m_dir / *back)) << *back;
        }
    }
    EXPECT_EQ(names.size(), 4u);
    EXPECT_TRUE(names.count("caf\xFF.txt"));
    EXPECT_TRUE(names.count("bad\xFF.txt"));
}

TEST(DirectoryListingErrors, MissingOrUnreadableDirectoriesGiveNoEntries)
{
    std::vector<DirectoryEntry> entries{{"stale", EntryKind::File}};
    EXPECT_FALSE(platform::ListDirectory("/nonexistent/lodestrel", entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(platform::ListDirectory("/etc/hostname", entries));  // a file, not a directory
}
