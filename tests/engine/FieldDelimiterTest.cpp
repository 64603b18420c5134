#include "engine/FieldDelimiter.h"

#include <gtest/gtest.h>

#include <vector>

#include "Sjis.h"
#include "settings/JobSettings.h"

namespace {

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
