// End-to-end: directory runs with --dir, --pattern and --recursive.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/app/CliTest.h"

namespace clitest {
namespace {

// d/ holds a.txt, B.TXT, c.csv, a folder named like a data file (folder.txt/
// with y.txt) and sub/ with d.txt and "e,f.txt". Each file's one line names it.
class DirectoryRun : public CliTest {
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        std::filesystem::create_directories(Path("d/folder.txt"));
        std::filesystem::create_directories(Path("d/sub"));
        for (const char* name : {"a.txt", "B.TXT", "c.csv", "folder.txt/y.txt", "sub/d.txt", "sub/e,f.txt"})
            WriteText(std::string("d/") + name, std::string("東京 ") + name + "\r\n");
    }

    CliResult RunOver(std::vector<std::string> options)
    {
        options.insert(options.end(), {"-e", "東京", "-o", "out.txt", "--dir", "d"});
        return Run(options);
    }
};

struct WalkCase {
    const char* name;
    std::vector<std::string> options;
    std::vector<std::string_view> lines;
};

class DirectoryWalks : public DirectoryRun, public ::testing::WithParamInterface<WalkCase> {};

TEST_P(DirectoryWalks, SearchTheMatchingFilesInSortedDepthFirstOrder)
{
    CliResult result = RunOver(GetParam().options);
    EXPECT_EQ(result.status, 0) << result.err;
    std::string expected;
    for (std::string_view line : GetParam().lines)
        expected += Sjis(std::string("東京 ") + std::string(line)) + "\r\n";
    EXPECT_EQ(Read("out.txt"), expected) << GetParam().name;
    const int files = static_cast<int>(GetParam().lines.size());
    EXPECT_EQ(WithoutTimes(result.out), SummaryText(files, files, "out.txt", 0)) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, DirectoryWalks,
    ::testing::Values(
        WalkCase{"DefaultPatternThisFolderOnlyCaseInsensitiveNoFolders", {},
                 {"a.txt", "B.TXT"}},
        WalkCase{"RecursiveOwnFilesFirstThenSubfoldersInNameOrder", {"--recursive"},
                 {"a.txt", "B.TXT", "folder.txt/y.txt", "sub/d.txt", "sub/e,f.txt"}},
        WalkCase{"PatternWithACommaIsOnePattern", {"-r", "--pattern", "*,*"}, {"sub/e,f.txt"}},
        WalkCase{"OtherPattern", {"--pattern", "*.CSV"}, {"c.csv"}}),
    CaseName());

TEST_F(DirectoryRun, TagLinesNameEachFileByItsFullPath)
{
    CliResult result = RunOver({"--output", "tag", "--pattern", "a.txt"});
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string full = std::filesystem::canonical(Path("d/a.txt")).string();
    EXPECT_EQ(Read("out.txt"), Sjis(full + "(1):東京 a.txt\r\n"));
}

TEST_F(DirectoryRun, AnUnreadableFileIsReportedAndTheRunGoesOnWithStatusThree)
{
    std::filesystem::create_symlink(Path("nowhere.txt"), Path("d/b.txt"));
    CliResult result = RunOver({});
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(Read("out.txt"), CrLfLines({"東京 a.txt", "東京 B.TXT"}));
    const std::string linked = std::filesystem::absolute(Path("d")).lexically_normal().string() + "/b.txt";
    EXPECT_NE(result.err.find("ファイル(" + linked + ")オープンエラー"), std::string::npos) << result.err;
    EXPECT_EQ(WithoutTimes(result.out), SummaryText(3, 2, "out.txt", 0));
}

TEST_F(DirectoryRun, TheResultFileInsideTheSearchedTreeIsNotReadBack)
{
    CliResult result = Run({"-e", "東京", "-o", "d/out.txt", "--dir", "d"});
    EXPECT_EQ(result.status, 3) << result.err;
    EXPECT_EQ(Read("d/out.txt"), CrLfLines({"東京 a.txt", "東京 B.TXT"}));
    EXPECT_NE(result.err.find("out.txt)オープンエラー"), std::string::npos) << result.err;
}

TEST_F(DirectoryRun, APatternThatMatchesNothingGivesAnEmptyResult)
{
    CliResult result = RunOver({"--pattern", "*.none"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Read("out.txt"), "");
    EXPECT_TRUE(std::filesystem::exists(Path("out.txt")));
    EXPECT_EQ(WithoutTimes(result.out), SummaryText(0, 0, "out.txt", 0));
}

}  // namespace
}  // namespace clitest
