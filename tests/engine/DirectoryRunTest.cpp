// End-to-end runs over a directory: the order of the files, recursion, the
// pattern, unreadable files, the result file inside the searched tree, and
// what a directory run leaves behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "RunHarness.h"
#include "TempTree.h"
#include "engine/Messages.h"

namespace fs = std::filesystem;

namespace {

class DirectoryRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tree.Valid());
        run.job.DirMode = 1;
        run.job.SearchDir = tree.Path("data");
        run.job.SearchFile = "*.txt";
        run.job.ResultFile = tree.Path("result.txt");
        run.job.PickMode = 1;
        run.Add("hit");
    }
    // A data file whose only record is a hit.
    std::string Data(const std::string& name) { return tree.Write("data/" + name, "hit\n"); }
    std::string Result() const { return TempTree::Read(run.job.ResultFile); }
    // The tag-jump lines of files that each hold one hit.
    static std::string Hits(const std::vector<std::string>& paths)
    {
        std::vector<std::string> lines;
        for (const std::string& path : paths)
            lines.push_back(path + "(1):hit");
        return CrLfLines(lines);
    }

    TempTree tree;
    RunHarness run;
};

TEST_F(DirectoryRun, FilesComeInNameOrderThenEachSubdirectoryDepthFirst)
{
    const std::string b = Data("b.txt");
    const std::string a = Data("A.txt");
    Data("c.csv");
    const std::string x = Data("sub1/x.txt");
    const std::string y = Data("sub1/deeper/y.txt");
    const std::string z = Data("Sub0/z.txt");
    const std::string w = Data("folder.txt/w.txt");  // a folder named like a data file
    run.job.SubDir = 1;
    const RunOutcome outcome = run.Run();
    EXPECT_EQ(Result(), Hits({a, b, w, z, x, y}));
    EXPECT_EQ(outcome.filesDone, 6);
    EXPECT_EQ(run.progress.files.size(), 6u);
    EXPECT_EQ(run.progress.files[2].path, w);
    EXPECT_EQ(run.progress.files[2].fileNumber, 3);
    EXPECT_EQ(run.progress.files[2].fileTotal, 6);
}

TEST_F(DirectoryRun, WithoutRecursionOnlyTheStartFolderIsSearched)
{
    const std::string a = Data("a.txt");
    Data("sub/x.txt");
    Data("folder.txt/w.txt");
    EXPECT_EQ(run.Run().filesDone, 1);
    EXPECT_EQ(Result(), Hits({a}));
}

TEST_F(DirectoryRun, APatternWithACommaMatchesOnlyNamesHoldingThatComma)
{
    Data("a.txt");
    Data("b.txt");
    const std::string both = Data("a,b.txt");
    run.job.SearchFile = "a,b.txt";
    run.Run();
    EXPECT_EQ(Result(), Hits({both}));
}

TEST_F(DirectoryRun, LinkedFilesAreSearchedAndLinkedFoldersAreNotWalkedInto)
{
    const std::string a = Data("a.txt");
    const std::string x = Data("sub/x.txt");
    fs::create_symlink(a, tree.Path("data/b-link.txt"));
    fs::create_directory_symlink(tree.Path("data"), tree.Path("data/sub/loop"));
    run.job.SubDir = 1;
    run.Run();
    EXPECT_EQ(Result(), Hits({a, tree.Path("data/b-link.txt"), x}));
}

TEST_F(DirectoryRun, UnreadableFilesAreReportedAndTheRunGoesOnWithTheNext)
{
    run.job.OnMemory = 0;
    const std::string a = Data("a.txt");
    fs::create_symlink(tree.Path("gone.txt"), tree.Path("data/b.txt"));  // dangling
    // A name with no code page 932 form cannot be named by the program.
    tree.Write("data/c\xE2\x82\xAC\xF0\x9F\x98\x80.txt", "hit\n");
    const std::string d = Data("d.txt");

    const RunOutcome outcome = run.Run();

    EXPECT_EQ(Result(), Hits({a, d}));
    EXPECT_EQ(run.HitCount, 2);
    EXPECT_EQ(outcome.filesDone, 4);
    EXPECT_EQ(outcome.unreadableSources, 2);
    const std::string b = tree.Path("data/b.txt");
    const std::vector<std::string> prompts = run.Prompts();
    ASSERT_EQ(prompts.size(), 5u);
    EXPECT_EQ(prompts[0], msg::MissingSource(b));
    EXPECT_EQ(prompts[1], msg::SourceOpen(b));
    EXPECT_EQ(prompts[2].substr(0, tree.Path("data/c").size()), tree.Path("data/c"));
    EXPECT_EQ(prompts[3].substr(0, Sjis("ファイル(").size()), Sjis("ファイル("));
    EXPECT_EQ(run.prompter.prompts[3].icon, platform::MessageIcon::Stop);
}

TEST_F(DirectoryRun, TheResultFileInsideTheTreeIsNeverReadAsASource)
{
    const std::string a = Data("a.txt");
    const std::string z = Data("z.txt");
    run.job.ResultFile = tree.Path("data/result.txt");
    run.job.PickMode = 0;
    for (int OnMemory : {1, 0}) {
        run.job.OnMemory = OnMemory;
        run.prompter.prompts.clear();
        const RunOutcome outcome = run.Run();
        EXPECT_EQ(Result(), CrLfLines({"hit", "hit"}));
        EXPECT_EQ(outcome.unreadableSources, 1);
        EXPECT_EQ(outcome.filesDone, 3);
        const std::vector<std::string> prompts = run.Prompts();
        ASSERT_EQ(prompts.size(), 3u);
        EXPECT_EQ(prompts[1], msg::SourceOpen(run.job.ResultFile));
    }
}

TEST_F(DirectoryRun, APatternMatchingNothingWritesAnEmptyResultAndReportsNoFiles)
{
    Data("a.txt");
    run.job.SearchFile = "*.none";
    const RunOutcome outcome = run.Run();
    EXPECT_EQ(outcome.filesDone, 0);
    EXPECT_TRUE(fs::exists(run.job.ResultFile));
    EXPECT_EQ(Result(), "");
    EXPECT_EQ(run.Prompts().back(), msg::Summary(0, 0, run.job.ResultFile, 0, "09:00:00", "09:00:05"));
}

TEST_F(DirectoryRun, EndsWithTheFileDisplayClearedAndTheControlsRefreshed)
{
    tree.Write("data/a.txt", "hit,1\nhit,2,3\n");
    run.job.KeyCol = 2;
    const RunOutcome outcome = run.Run();
    EXPECT_EQ(outcome.filesDone, 1);
    EXPECT_EQ(run.job.SourceFile, "");
    EXPECT_EQ(run.survey.RecordCount, 0);
    EXPECT_EQ(run.survey.MaxFieldCount, 0);
    EXPECT_TRUE(run.survey.SampleRecords.empty());
    EXPECT_EQ(run.job.KeyCol, 2);
    EXPECT_TRUE(run.Logged("controls refreshed"));
    // A directory run never tells about uneven field counts.
    EXPECT_EQ(run.Prompts().size(), 1u);
}

TEST_F(DirectoryRun, TheWalkRunsUnderTheBusyIndicatorAfterTheProgressOpened)
{
    Data("a.txt");
    run.Run();
    const auto& events = run.log.events;
    const auto opened = std::find(events.begin(), events.end(), "progress opened " + std::string(msg::SearchingFilesText));
    const auto busy = std::find(events.begin(), events.end(), "busy begin");
    ASSERT_NE(opened, events.end());
    ASSERT_NE(busy, events.end());
    EXPECT_LT(opened, busy);
    EXPECT_EQ(*(busy + 1), "busy end");
}

TEST_F(DirectoryRun, ACancelEndsTheRunAfterTheCurrentFile)
{
    Data("a.txt");
    Data("b.txt");
    run.progress.cancelAtPump = 2;
    const RunOutcome outcome = run.Run();
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(outcome.filesDone, 2);
    EXPECT_EQ(Result(), Hits({tree.Path("data/a.txt")}));
    EXPECT_EQ(run.Prompts().back(), msg::Summary(2, 1, run.job.ResultFile, 0, "09:00:00", "09:00:05"));
}

TEST_F(DirectoryRun, ADeclinedMemoryQuestionLeavesThatFileOut)
{
    const std::string a = Data("a.txt");
    // Sparse: far larger than memory, yet taking no room on disk.
    const std::string big = Data("big.txt");
    fs::resize_file(big, std::uintmax_t{1} << 43);
    const std::string c = Data("c.txt");
    run.prompter.defaultAnswer = platform::MessageAnswer::No;
    run.job.FileKind = 1;
    const RunOutcome outcome = run.Run();
    EXPECT_EQ(Result(), Hits({a, c}));
    EXPECT_EQ(outcome.skippedSources, 1);
    EXPECT_EQ(outcome.filesDone, 3);
    EXPECT_EQ(run.prompter.prompts[0].text, std::string(msg::MemoryQuestionText));
    EXPECT_EQ(run.prompter.prompts[0].buttons, platform::MessageButtons::YesNo);
}

}  // namespace
