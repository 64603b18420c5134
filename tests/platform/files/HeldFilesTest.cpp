// Tests of the holding of files: a file the process writes cannot be opened
// again under any of its names until the writer lets it go.

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files/HeldFiles.h"
#include "platform/files/RecordReader.h"
#include "platform/files/TextWriter.h"
#include "tests/platform/files/TempDir.h"

namespace platform {
namespace {

using testing::ReadAll;
using testing::TempDir;

struct ClaimCase {
    const char* name;
    std::vector<FileAccess> held;  // claims taken before, all granted
    FileAccess wanted;
    bool granted;
};

const ClaimCase kClaimCases[] = {
    {"ReadOfFreeFile", {}, FileAccess::Read, true},
    {"WriteOfFreeFile", {}, FileAccess::Write, true},
    {"ReadBesideReaders", {FileAccess::Read, FileAccess::Read}, FileAccess::Read, true},
    {"ReadOfWrittenFile", {FileAccess::Write}, FileAccess::Read, false},
    {"WriteOfWrittenFile", {FileAccess::Write}, FileAccess::Write, false},
    {"WriteOfReadFile", {FileAccess::Read}, FileAccess::Write, false},
};

void PrintTo(const ClaimCase& c, std::ostream* out)
{
    *out << c.name;
}

class FileHoldClaims : public ::testing::TestWithParam<ClaimCase> {};

TEST_P(FileHoldClaims, AreGrantedByTheSharingRules)
{
    // An identity no real file has, so that the test's claims meet no others.
    const FileId id{static_cast<dev_t>(-1), static_cast<ino_t>(4242)};
    std::vector<FileHold> held;
    for (FileAccess access : GetParam().held) {
        std::optional<FileHold> hold = FileHold::Take(id, access);
        ASSERT_TRUE(hold);
        held.push_back(std::move(*hold));
    }
    EXPECT_EQ(FileHold::Take(id, GetParam().wanted).has_value(), GetParam().granted);

    held.clear();
    EXPECT_TRUE(FileHold::Take(id, FileAccess::Write)) << "released claims still count";
}

INSTANTIATE_TEST_SUITE_P(Table, FileHoldClaims, ::testing::ValuesIn(kClaimCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A written file with several other names for it.
class HeldFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.Valid());
        std::filesystem::create_directory(m_dir / "sub");
        m_path = m_dir / "result.txt";
        ASSERT_FALSE(m_writer.Create(m_path));
        ASSERT_FALSE(m_writer.Write("kept\n"));
        ASSERT_FALSE(m_writer.Flush());
        std::filesystem::create_symlink(m_path, m_dir / "symlink.txt");
        std::filesystem::create_hard_link(m_path, m_dir / "hardlink.txt");
        m_otherNames = {
            {"the same path", m_path},
            {"a path through another folder", m_dir / "sub/../result.txt"},
            {"a relative path", std::filesystem::relative(m_path).string()},
            {"a symbolic link", m_dir / "symlink.txt"},
            {"a hard link", m_dir / "hardlink.txt"},
        };
    }

    struct Name {
        const char* how;
        std::string path;
    };

    TempDir m_dir;
    std::string m_path;
    TextWriter m_writer;
    std::vector<Name> m_otherNames;
};

TEST_F(HeldFile, CannotBeOpenedForReadingUnderAnyName)
{
    for (const Name& name : m_otherNames) {
        SCOPED_TRACE(name.how);
        RecordReader reader;
        FileResult error = reader.Open(name.path);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->code, EBUSY);
        EXPECT_EQ(error->operation, FileOperation::Open);
        EXPECT_EQ(error->path, name.path);
        EXPECT_NE(error->reason.find("in use"), std::string::npos) << error->reason;
        EXPECT_FALSE(reader.IsOpen());
    }
}

TEST_F(HeldFile, CannotBeOpenedBySecondWriterAndIsNotTruncatedByTheAttempt)
{
    for (const Name& name : m_otherNames) {
        SCOPED_TRACE(name.how);
        TextWriter second;
        FileResult error = second.Create(name.path);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->code, EBUSY);
        EXPECT_FALSE(second.IsOpen());
    }
    EXPECT_EQ(ReadAll(m_path), "kept\r\n");
    ASSERT_FALSE(m_writer.Write("more\n"));
    ASSERT_FALSE(m_writer.Close());
    EXPECT_EQ(ReadAll(m_path), "kept\r\nmore\r\n");
}

TEST_F(HeldFile, OpensForReadingAfterClose)
{
    ASSERT_FALSE(m_writer.Close());
    for (const Name& name : m_otherNames) {
        SCOPED_TRACE(name.how);
        RecordReader reader;
        FileResult error = reader.Open(name.path);
        ASSERT_FALSE(error) << Describe(*error);
        std::string_view record;
        ASSERT_TRUE(reader.Next(record));
        EXPECT_EQ(record, "kept");
    }
}

TEST_F(HeldFile, OpensForReadingAfterTheWriterIsDestroyed)
{
    {
        TextWriter scoped;
        ASSERT_FALSE(scoped.Create(m_dir / "scoped.txt"));
        RecordReader reader;
        ASSERT_TRUE(reader.Open(m_dir / "scoped.txt")) << "held while the writer lives";
    }
    RecordReader reader;
    EXPECT_FALSE(reader.Open(m_dir / "scoped.txt"));
}

TEST(HeldFiles, FileOpenForReadingCannotBeCreatedAsResultFile)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    std::string path = dir.Write("source.txt", "data\r\n");
    std::filesystem::create_hard_link(path, dir / "alias.txt");
    RecordReader reader;
    RecordReader secondReader;
    ASSERT_FALSE(reader.Open(path));
    ASSERT_FALSE(secondReader.Open(dir / "alias.txt")) << "readers share a file";

    TextWriter writer;
    FileResult error = writer.Create(dir / "alias.txt");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, EBUSY);
    EXPECT_EQ(ReadAll(path), "data\r\n");

    reader.Close();
    secondReader.Close();
    EXPECT_FALSE(writer.Create(dir / "alias.txt"));
}

}  // namespace
}  // namespace platform
