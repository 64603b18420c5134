// Tests of RecordReader: how file bytes become records, rewinding, long
// records, block boundaries, and the errors of opening and reading.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "platform/files/RecordReader.h"
#include "platform/text/Convert.h"
#include "tests/platform/files/TempDir.h"

namespace platform {
namespace {

using testing::ReadAll;
using testing::TempDir;
using namespace std::string_literals;

std::vector<std::string> ReadRecords(RecordReader& reader)
{
    std::vector<std::string> records;
    std::string_view record;
    while (reader.Next(record))
        records.emplace_back(record);
    return records;
}

std::vector<std::string> ReadFile(const std::string& path, std::size_t blockSize)
{
    RecordReader reader(blockSize);
    FileResult error = reader.Open(path);
    EXPECT_FALSE(error) << Describe(*error);
    std::vector<std::string> records = ReadRecords(reader);
    EXPECT_FALSE(reader.Failed());
    return records;
}

struct RecordCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> records;
};

const RecordCase kRecordCases[] = {
    {"EmptyFile", "", {}},
    {"OnlyLineFeed", "\n", {""}},
    {"TwoEmptyCrLfLines", "\r\n\r\n", {"", ""}},
    {"ThreeEmptyLfLines", "\n\n\n", {"", "", ""}},
    {"LfLines", "ab\ncd\n", {"ab", "cd"}},
    {"CrLfLines", "ab\r\ncd\r\n", {"ab", "cd"}},
    {"MixedLineEnds", "ab\ncd\r\nef\n", {"ab", "cd", "ef"}},
    {"LastLineWithoutLineEnd", "abc", {"abc"}},
    {"LastOfTwoLinesWithoutLineEnd", "ab\r\ncd", {"ab", "cd"}},
    {"CrInsideRecordStays", "a\rb\r\n", {"a\rb"}},
    {"OnlyOneCrBeforeLfIsDropped", "a\r\r\n", {"a\r"}},
    {"CrAtEndOfFileStays", "abc\r", {"abc\r"}},
    {"OnlyCr", "\r", {"\r"}},
    {"CrOnlyLineEndsMakeOneRecord", "a\rb\rc\r", {"a\rb\rc\r"}},
    {"CtrlZInMiddleOfRecordEndsFile", "ab\x1A" "cd\r\nef\r\n", {"ab"}},
    {"CtrlZAtStartOfLineEndsFile", "ab\r\n\x1A" "cd\r\n", {"ab"}},
    {"CtrlZAfterCrKeepsCr", "ab\r\x1A\n", {"ab\r"}},
    {"CtrlZAtStartOfFileLeavesNoRecord", "\x1A" "ab\r\n", {}},
    {"OnlyCtrlZ", "\x1A", {}},
    {"NulBytesStayInRecords", "a\0b\r\n\0\n\0"s, {"a\0b"s, "\0"s, "\0"s}},
    {"LeadByteAsLastByteOfFile", "ab\x82", {"ab\x82"}},
    {"LeadByteBeforeLineEnd", "\x82\r\n\x82\xA0\n", {"\x82", "\x82\xA0"}},
    {"TrailBytesThatLookLikeAscii", "\x83\x5C\x83\x7C\r\n", {"\x83\x5C\x83\x7C"}},
};

// Small blocks put every block boundary into every position of the cases.
const std::size_t kBlockSizes[] = {1, 2, 3, 4, 5, 7, 64, RecordReader::DefaultBlockSize};

void PrintTo(const RecordCase& c, std::ostream* out)
{
    *out << c.name;
}

class RecordReaderRecords : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordReaderRecords, GivesTheExpectedRecordsWithEveryBlockSize)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    std::string path = dir.Write("source.txt", GetParam().bytes);
    for (std::size_t blockSize : kBlockSizes) {
        SCOPED_TRACE("block size " + std::to_string(blockSize));
        EXPECT_EQ(ReadFile(path, blockSize), GetParam().records);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RecordReaderRecords, ::testing::ValuesIn(kRecordCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordReader, DropsTheCrOfACrLfSplitAcrossTwoBlocks)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    // With blocks of 4 bytes the CR is the last byte of the first block and the
    // LF the first byte of the second.
    std::string path = dir.Write("split.txt", "abc\r\ndef\r\n");
    EXPECT_EQ(ReadFile(path, 4), (std::vector<std::string>{"abc", "def"}));
}

TEST(RecordReader, ReadsRecordsLongerThanTheBuffer)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    std::string longLine(22 * 1024, '\x88');
    for (std::size_t i = 1; i < longLine.size(); i += 2)
        longLine[i] = static_cast<char>(0x40 + i % 0x3F);
    std::string path = dir.Write("long.txt", longLine + "\r\nshort\r\n" + longLine);
    std::vector<std::string> expected{longLine, "short", longLine};
    EXPECT_EQ(ReadFile(path, 4096), expected);
    EXPECT_EQ(ReadFile(path, 7), expected);
}

TEST(RecordReader, ReadsATenMegabyteFileWithoutLineEndAsOneRecord)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    std::string bytes(10 * 1024 * 1024, 'x');
    bytes.front() = 'A';
    bytes.back() = 'Z';
    std::string path = dir.Write("huge.txt", bytes);
    std::vector<std::string> records = ReadFile(path, RecordReader::DefaultBlockSize);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_TRUE(records[0] == bytes);
}

TEST(RecordReader, CopyFormGivesTheSameRecords)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    std::string path = dir.Write("copy.txt", "one\r\ntwo\nthree");
    RecordReader reader(3);
    ASSERT_FALSE(reader.Open(path));
    std::vector<std::string> records;
    std::string record;
    while (reader.Next(record))
        records.push_back(record);
    EXPECT_EQ(records, (std::vector<std::string>{"one", "two", "three"}));
}

TEST(RecordReader, RewindAfterPartialReadingStartsAgainAtTheFirstRecord)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    std::string path = dir.Write("rewind.txt", "1\r\n2\r\n3\r\n4\r\n5");
    RecordReader reader(4);
    ASSERT_FALSE(reader.Open(path));
    std::string_view record;
    ASSERT_TRUE(reader.Next(record));
    ASSERT_TRUE(reader.Next(record));
    EXPECT_EQ(record, "2");
    ASSERT_FALSE(reader.Rewind());
    EXPECT_EQ(reader.Position(), 0u);
    EXPECT_EQ(ReadRecords(reader), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
}

TEST(RecordReader, RewindAfterTheEndReadsTheFileAgain)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    std::string path = dir.Write("rewind.txt", "a\nb\n\x1A" "c\n");
    RecordReader reader(2);
    ASSERT_FALSE(reader.Open(path));
    std::vector<std::string> expected{"a", "b"};
    EXPECT_EQ(ReadRecords(reader), expected);
    std::string_view record;
    EXPECT_FALSE(reader.Next(record));
    ASSERT_FALSE(reader.Rewind());
    EXPECT_EQ(ReadRecords(reader), expected);
}

TEST(RecordReader, PositionCountsTheBytesOfTheRecordsHandedOut)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    std::string path = dir.Write("position.txt", "abc\r\nde\nf");
    RecordReader reader(2);
    ASSERT_FALSE(reader.Open(path));
    EXPECT_EQ(reader.Size(), 9u);
    std::vector<std::uint64_t> positions;
    std::string_view record;
    while (reader.Next(record))
        positions.push_back(reader.Position());
    EXPECT_EQ(positions, (std::vector<std::uint64_t>{5, 8, 9}));
}

TEST(RecordReader, CanBeReusedForAnotherFile)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    std::string first = dir.Write("first.txt", "1a\r\n1b\r\n");
    std::string second = dir.Write("second.txt", "2a\n");
    RecordReader reader(3);
    ASSERT_FALSE(reader.Open(first));
    std::string_view record;
    ASSERT_TRUE(reader.Next(record));
    ASSERT_FALSE(reader.Open(second));
    EXPECT_EQ(ReadRecords(reader), (std::vector<std::string>{"2a"}));
}

TEST(RecordReader, ClosedReaderGivesNoRecordAndCannotRewind)
{
    RecordReader reader;
    std::string_view record;
    EXPECT_FALSE(reader.Next(record));
    FileResult error = reader.Rewind();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, EBADF);
}

TEST(RecordReader, ReadErrorIsToldApartFromTheEnd)
{
    // Reading the process's own memory at address 0 fails with EIO.
    RecordReader reader;
    ASSERT_FALSE(reader.Open("/proc/self/mem"));
    std::string_view record;
    EXPECT_FALSE(reader.Next(record));
    ASSERT_TRUE(reader.Failed());
    EXPECT_EQ(reader.Error()->code, EIO);
    EXPECT_EQ(reader.Error()->operation, FileOperation::Read);
    EXPECT_EQ(reader.Error()->path, "/proc/self/mem");
    EXPECT_FALSE(reader.Next(record));

    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    ASSERT_FALSE(reader.Open(dir.Write("ok.txt", "a\n")));
    EXPECT_EQ(ReadRecords(reader), (std::vector<std::string>{"a"}));
    EXPECT_FALSE(reader.Failed());
}

struct OpenErrorCase {
    const char* name;
    std::string path;
    int code;
};

TEST(RecordReader, OpenErrorsNameTheFileAndGiveDistinctReasons)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    std::filesystem::create_directory(dir / "folder");
    std::vector<OpenErrorCase> cases{
        {"missing file", dir / "missing.txt", ENOENT},
        {"directory", dir / "folder", EISDIR},
        {"name that does not convert", dir / "abc\x81", EILSEQ},
    };
    std::string locked = dir.Write("locked.txt", "secret\n");
    ::chmod(locked.c_str(), 0);
    if (::geteuid() != 0)
        cases.push_back({"permission denied", locked, EACCES});
    else
        std::cout << "Running as root: the permission case cannot fail and is left out.\n";

    std::set<std::string> reasons;
    for (const OpenErrorCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordReader reader;
        FileResult error = reader.Open(c.path);
        ASSERT_TRUE(error);
        EXPECT_FALSE(reader.IsOpen());
        EXPECT_EQ(error->operation, FileOperation::Open);
        EXPECT_EQ(error->code, c.code);
        EXPECT_EQ(error->path, c.path);
        EXPECT_FALSE(error->reason.empty());
        EXPECT_EQ(Describe(*error), c.path + ": cannot open: " + error->reason);
        reasons.insert(error->reason);
    }
    EXPECT_EQ(reasons.size(), cases.size());
}

TEST(RecordReader, NameThatDoesNotConvertNeverOpensAnotherFile)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    // A lossy conversion could turn either name into an existing file's name.
    dir.Write("abc", "wrong file\n");
    dir.Write("abc\xEF\xBF\xBD", "wrong file\n");
    std::string unconvertible = dir / "abc\x81";
    ASSERT_FALSE(cp932::ToUtf8(unconvertible));
    RecordReader reader;
    FileResult error = reader.Open(unconvertible);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, EILSEQ);

    std::string withNul = dir / "abc";
    withNul += "\0.txt"s;
    error = reader.Open(withNul);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, EINVAL);
    EXPECT_FALSE(reader.IsOpen());
}

TEST(RecordReader, OpensANameWithJapaneseCharacters)
{
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    const std::string name = "\x8F\x5A\x8F\x8A\x83\x66\x81\x5B\x83\x5E.csv";
    ASSERT_EQ(cp932::ToUtf8(name), "住所データ.csv");
    dir.Write("住所データ.csv", "1\r\n");
    RecordReader reader;
    FileResult error = reader.Open(dir / name);
    ASSERT_FALSE(error) << Describe(*error);
    EXPECT_EQ(ReadRecords(reader), (std::vector<std::string>{"1"}));
}

TEST(RecordReader, ReadsThePostalCodeFileWholeAndUnchanged)
{
    std::string path = LODESTREL_CORPORA_DIR "/postal_csv/KEN_ALL.CSV";
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << "corpus not present: " << path;
    std::string bytes = ReadAll(path);
    for (std::size_t blockSize : {std::size_t{4093}, RecordReader::DefaultBlockSize}) {
        SCOPED_TRACE("block size " + std::to_string(blockSize));
        RecordReader reader(blockSize);
        ASSERT_FALSE(reader.Open(path));
        std::string joined;
        joined.reserve(bytes.size());
        std::size_t count = 0;
        std::string_view record;
        while (reader.Next(record)) {
            joined += record;
            joined += "\r\n";
            ++count;
        }
        EXPECT_FALSE(reader.Failed());
        EXPECT_EQ(count, 124825u);
        EXPECT_TRUE(joined == bytes);
        EXPECT_EQ(reader.Position(), bytes.size());
    }
}

}  // namespace
}  // namespace platform
