// Tests of TextWriter: line ends on disk, truncation, and write errors that
// must reach the caller.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "platform/files/RecordReader.h"
#include "platform/files/TextWriter.h"
#include "platform/text/Convert.h"
#include "tests/platform/files/TempDir.h"

namespace platform {
namespace {

using testing::ReadAll;
using testing::TempDir;
using namespace std::string_literals;

struct WriteCase {
    const char* name;
    std::vector<std::string> chunks;  // the arguments of Write, in order
    std::string disk;                 // the file's bytes after Close
};

const WriteCase kWriteCases[] = {
    {"NothingWritten", {}, ""},
    {"EmptyWrite", {""}, ""},
    {"LineFeedBecomesCrLf", {"\n"}, "\r\n"},
    {"EveryLineFeedBecomesCrLf", {"a\nb\n\nc"}, "a\r\nb\r\n\r\nc"},
    {"LineFeedAfterCrBecomesCrLfToo", {"a\r\n"}, "a\r\r\n"},
    {"LoneCrStays", {"a\rb"}, "a\rb"},
    {"LineEndsInSeparateWrites", {"ab", "\n", "", "cd\n"}, "ab\r\ncd\r\n"},
    {"NulAndCtrlZBytesStay", {"\0\x1A\n"s}, "\0\x1A\r\n"s},
    {"DoubleByteCharactersStay", {"\x82\xA0\x83\x5C\n"}, "\x82\xA0\x83\x5C\r\n"},
    {"TextLongerThanTheBuffer", {std::string(40, 'x') + "\n" + std::string(40, 'y')},
     std::string(40, 'x') + "\r\n" + std::string(40, 'y')},
};

// Small buffers put every buffer boundary into every position of the cases.
const std::size_t kBufferSizes[] = {2, 3, 5, 16, TextWriter::DefaultBufferSize};

void PrintTo(const WriteCase& c, std::ostream* out)
{
    *out << c.name;
}

class TextWriterBytes : public ::testing::TestWithParam<WriteCase> {};

TEST_P(TextWriterBytes, PutsTheExpectedBytesOnDiskWithEveryBufferSize)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    std::string path = dir / "result.txt";
    for (std::size_t bufferSize : kBufferSizes) {
        SCOPED_TRACE("buffer size " + std::to_string(bufferSize));
        TextWriter writer(bufferSize);
        ASSERT_FALSE(writer.Create(path));
        for (const std::string& chunk : GetParam().chunks)
            ASSERT_FALSE(writer.Write(chunk));
        ASSERT_FALSE(writer.Close());
        EXPECT_EQ(ReadAll(path), GetParam().disk);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, TextWriterBytes, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextWriter, RecordsWrittenWithLineEndsAreReadBackUnchanged)
{
    // Records of any bytes except LF and Ctrl-Z, not ending in CR: the forms a
    // source record can take.
    std::mt19937 random(20240611);
    std::vector<std::string> records(500);
    for (std::string& record : records) {
        record.resize(random() % 60);
        for (char& byte : record) {
            do
                byte = static_cast<char>(random() % 256);
            while (byte == '\n' || byte == '\x1A');
        }
        if (!record.empty() && record.back() == '\r')
            record.back() = 'r';
    }
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    std::string path = dir / "roundtrip.txt";
    TextWriter writer(7);
    ASSERT_FALSE(writer.Create(path));
    for (const std::string& record : records)
        ASSERT_FALSE(writer.Write(record + "\n"));
    ASSERT_FALSE(writer.Close());

    RecordReader reader(11);
    ASSERT_FALSE(reader.Open(path));
    std::vector<std::string> readBack;
    std::string record;
    while (reader.Next(record))
        readBack.push_back(record);
    EXPECT_EQ(readBack, records);
}

TEST(TextWriter, TruncatesALongerExistingFile)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    std::string path = dir.Write("result.txt", std::string(1000, 'o'));
    TextWriter writer;
    ASSERT_FALSE(writer.Create(path));
    ASSERT_FALSE(writer.Write("new\n"));
    ASSERT_FALSE(writer.Close());
    EXPECT_EQ(ReadAll(path), "new\r\n");
}

TEST(TextWriter, CreatesAnEmptyFileAtOnce)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    std::string path = dir / "new.txt";
    TextWriter writer;
    ASSERT_FALSE(writer.Create(path));
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST(TextWriter, ReportsAFullDiskAndKeepsReportingIt)
{
    if (::access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "/dev/full is not writable here";
    TextWriter writer;
    ASSERT_FALSE(writer.Create("/dev/full"));
    // Buffered: the disk is not touched yet.
    EXPECT_FALSE(writer.Write("abc\n"));

    FileResult error = writer.Flush();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->operation, FileOperation::Write);
    EXPECT_EQ(error->code, ENOSPC);
    EXPECT_EQ(error->path, "/dev/full");
    EXPECT_FALSE(error->reason.empty());
    std::cout << Describe(*error) << '\n';

    FileResult later = writer.Write("more\n");
    ASSERT_TRUE(later);
    EXPECT_EQ(later->code, ENOSPC);
    later = writer.Flush();
    ASSERT_TRUE(later);
    EXPECT_EQ(later->code, ENOSPC);
    later = writer.Close();
    ASSERT_TRUE(later);
    EXPECT_EQ(later->code, ENOSPC);
    EXPECT_FALSE(writer.IsOpen());
}

TEST(TextWriter, ReportsAFullDiskFromWriteWhenTheBufferOverflows)
{
    if (::access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "/dev/full is not writable here";
    TextWriter writer(16);
    ASSERT_FALSE(writer.Create("/dev/full"));
    FileResult error = writer.Write(std::string(100, 'x'));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, ENOSPC);
}

TEST(TextWriter, ReportsAFullDiskFromCloseWhenOnlyCloseWrites)
{
    if (::access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "/dev/full is not writable here";
    TextWriter writer;
    ASSERT_FALSE(writer.Create("/dev/full"));
    EXPECT_FALSE(writer.Write("abc\n"));
    FileResult error = writer.Close();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, ENOSPC);
}

TEST(TextWriter, OpenErrorsNameTheFile)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    std::filesystem::create_directory(dir / "folder");
    struct Case {
        const char* name;
        std::string path;
        int code;
    };
    std::vector<Case> cases{
        {"folder that does not exist", dir / "nowhere/result.txt", ENOENT},
        {"a directory", dir / "folder", EISDIR},
        {"name that does not convert", dir / "result\x81", EILSEQ},
    };
    std::filesystem::create_directory(dir / "readonly");
    ::chmod((dir / "readonly").c_str(), 0555);
    if (::geteuid() != 0)
        cases.push_back({"read-only folder", dir / "readonly/result.txt", EACCES});
    else
        std::cout << "Running as root: a read-only folder does not stop root, so that case is left out.\n";

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextWriter writer;
        FileResult error = writer.Create(c.path);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->operation, FileOperation::Open);
        EXPECT_EQ(error->code, c.code);
        EXPECT_EQ(error->path, c.path);
        EXPECT_FALSE(error->reason.empty());
        EXPECT_FALSE(writer.IsOpen());
    }
    // Nothing was created under another name.
    EXPECT_FALSE(std::filesystem::exists(dir / "result"));
    EXPECT_FALSE(std::filesystem::exists(dir / "result\xEF\xBF\xBD"));
}

TEST(TextWriter, RefusesWritingWhenNoFileIsOpen)
{
    TextWriter writer;
    FileResult error = writer.Write("x\n");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, EBADF);
    error = writer.Flush();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, EBADF);
    EXPECT_FALSE(writer.Close());
}

TEST(TextWriter, CanBeReusedAfterAnError)
{
    if (::access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "/dev/full is not writable here";
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    TextWriter writer;
    ASSERT_FALSE(writer.Create("/dev/full"));
    ASSERT_TRUE(writer.Write(std::string(TextWriter::DefaultBufferSize + 1, 'x')));
    std::string path = dir / "after.txt";
    ASSERT_FALSE(writer.Create(path));
    EXPECT_FALSE(writer.Write("ok\n"));
    EXPECT_FALSE(writer.Close());
    EXPECT_EQ(ReadAll(path), "ok\r\n");
}

}  // namespace
}  // namespace platform
