#include "settings/store/DamagedStore.h"

#include <fstream>
#include <iterator>

#include "StoreFolder.h"

namespace fs = std::filesystem;

namespace {

class DamagedStore : public StoreFolder {
protected:
    void Write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    std::string Read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    fs::path Store() const { return m_folder / "registry.db"; }
    fs::path WithSuffix(fs::path path, const char* suffix) const { return path += suffix; }
};

}  // namespace

TEST_F(DamagedStore, TheFileAndItsJournalsAreRenamedWithATimestamp)
{
    Write(Store(), "damaged");
    Write(WithSuffix(Store(), "-journal"), "journal");
    Write(WithSuffix(Store(), "-wal"), "log");

    const auto aside = MoveDamagedStoreAside(Store());
    ASSERT_TRUE(aside);
    EXPECT_TRUE(aside->filename().string().starts_with("registry.db.damaged-"));
    EXPECT_EQ(aside->parent_path(), m_folder);
    EXPECT_EQ(Read(*aside), "damaged");
    EXPECT_EQ(Read(WithSuffix(*aside, "-journal")), "journal");
    EXPECT_EQ(Read(WithSuffix(*aside, "-wal")), "log");
    EXPECT_FALSE(fs::exists(Store()));
    EXPECT_FALSE(fs::exists(WithSuffix(Store(), "-journal")));
    EXPECT_FALSE(fs::exists(WithSuffix(Store(), "-wal")));
}

TEST_F(DamagedStore, AnEarlierDamagedFileIsNeverReplaced)
{
    std::vector<fs::path> moved;
    for (const char* bytes : {"first", "second", "third"}) {
        Write(Store(), bytes);
        const auto aside = MoveDamagedStoreAside(Store());
        ASSERT_TRUE(aside);
        moved.push_back(*aside);
    }
    // Within one second the timestamps agree; the names still differ.
    EXPECT_EQ(Read(moved[0]), "first");
    EXPECT_EQ(Read(moved[1]), "second");
    EXPECT_EQ(Read(moved[2]), "third");
}

TEST_F(DamagedStore, AMissingFileIsReportedAsNotMoved)
{
    EXPECT_FALSE(MoveDamagedStoreAside(Store()));
}
