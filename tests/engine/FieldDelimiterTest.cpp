#include "engine/FieldDelimiter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "Sjis.h"
#include "platform/files/RecordReader.h"
#include "settings/JobSettings.h"

namespace {

// A file with the given bytes, removed at the end of the test.
class TempFile {
public:
    explicit TempFile(std::string_view bytes)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "lodestrel-delimiter-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd >= 0)
            ::close(fd);
        m_path = pattern;
        std::ofstream(m_path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() { std::filesystem::remove(m_path); }

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

std::optional<char> Detect(const std::vector<std::string>& lines)
{
    const std::vector<std::string_view> views(lines.begin(), lines.end());
    return DetectDelimiter(views);
}

}  // namespace

TEST(FieldDelimiter, EachFileKindHasItsDelimiter)
{
    const struct {
        int FileKind;
        std::string EtcDelim;
        std::optional<char> detected;
        char delimiter;
    } cases[] = {
        {0, "|", '\t', '\t'},
        {0, "|", '|', '|'},
        {0, "|", std::nullopt, NoDelimiter},
        {1, ";", '\t', ','},  // detection plays no part outside kind 0
        {2, ";", std::nullopt, '\t'},
        {3, ";", ',', NoDelimiter},
        {4, ";", '\t', ';'},
        {4, ";x", std::nullopt, ';'},  // the first byte only
        {4, "", std::nullopt, NoDelimiter},  // the byte 0 would match nothing
        {5, ";", ',', NoDelimiter},
        {-1, ";", ',', NoDelimiter},
    };
    for (const auto& c : cases) {
        JobSettings job;
        job.FileKind = c.FileKind;
        job.EtcDelim = c.EtcDelim;
        EXPECT_EQ(ChooseFieldDelimiter(job, c.detected), c.delimiter) << "FileKind " << c.FileKind;
    }
}

TEST(FieldDelimiter, TheFirstLineWithACandidateDecidesTabBeforeCommaBeforeBar)
{
    const struct {
        const char* title;
        std::vector<std::string> lines;
        std::optional<char> delimiter;
    } cases[] = {
        {"comma", {"a,b"}, ','},
        {"tab wins in its line", {"a,b\tc|d"}, '\t'},
        {"comma wins over bar", {"a|b,c"}, ','},
        {"bar", {"a|b"}, '|'},
        {"first line decides", {"a|b", "a\tb"}, '|'},
        {"empty first line, bar then comma", {"", "a|b,c"}, ','},
        {"empty first line, comma then bar", {"", "a,b|c"}, ','},
        {"nothing", {"abc", "def"}, std::nullopt},
        {"no lines", {}, std::nullopt},
        {"eleventh line decides", {"", "", "", "", "", "", "", "", "", "x", "a\tb"}, '\t'},
        {"twelfth line is not read", {"", "", "", "", "", "", "", "", "", "", "x", "a\tb"}, std::nullopt},
        // ポ is 0x83 0x7C: its second byte is no bar.
        {"second byte 0x7C", {Sjis("ポ"), Sjis("ポ,ポ")}, ','},
        {"only second bytes 0x7C", {Sjis("ポポ")}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Detect(c.lines), c.delimiter) << c.title;
}

TEST(FieldDelimiter, DetectionOnAnOpenFileReadsItsFirstLinesAndGoesBackToTheStart)
{
    const struct {
        const char* title;
        std::string bytes;
        std::optional<char> delimiter;
    } cases[] = {
        {"empty first line, bar then comma", "\r\na|b,c\r\nx\ty\r\n", ','},
        {"tab in the last line, no line end", "abc\nx\ty", '\t'},
        {"eleventh line decides", std::string(10, '\n') + "a|b\n", '|'},
        {"twelfth line is not read", std::string(11, '\n') + "a|b\n", std::nullopt},
        {"empty file", "", std::nullopt},
        {"Ctrl-Z ends the file", "abc\n\x1a" "a,b\n", std::nullopt},
    };
    for (const auto& c : cases) {
        const TempFile file(c.bytes);
        platform::RecordReader reader;
        ASSERT_FALSE(reader.Open(file.Path())) << c.title;
        std::string_view skipped;
        reader.Next(skipped);  // detection starts at the start wherever the reader is
        EXPECT_EQ(DetectDelimiter(reader), c.delimiter) << c.title;

        std::string first;
        std::string expectedFirst = c.bytes.substr(0, c.bytes.find('\n'));
        if (!expectedFirst.empty() && expectedFirst.back() == '\r')
            expectedFirst.pop_back();
        if (c.bytes.empty())
            EXPECT_FALSE(reader.Next(first)) << c.title;
        else
            EXPECT_TRUE(reader.Next(first) && first == expectedFirst) << c.title;
    }
}

TEST(FieldDelimiter, AFileThatIsNotOpenDecidesNothing)
{
    platform::RecordReader reader;
    EXPECT_EQ(DetectDelimiter(reader), std::nullopt);
}
