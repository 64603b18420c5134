// How a run ends: the summary, a failed write, the screen-saver switch around
// the work, and the companion program started on the result.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "RunHarness.h"
#include "TempTree.h"
#include "engine/Messages.h"

namespace fs = std::filesystem;

namespace {

class RunEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tree.Valid());
        run.job.SourceFile = tree.Write("source.txt", LfLines({"AX", "AY", "B"}));
        run.job.ResultFile = tree.Path("result.txt");
        run.Add("A", "AX");
    }
    std::vector<std::string> EventsFrom(const std::string& first) const
    {
        const auto& events = run.log.events;
        return {std::find(events.begin(), events.end(), first), events.end()};
    }

    TempTree tree;
    RunHarness run;
};

TEST_F(RunEnd, TheSummaryIsExactlyTheFilesHitsResultSkipsAndTimes)
{
    run.stamps = {"07:08:09", "23:59:01"};
    run.Run();
    const std::string expected = Sjis("1 ファイルのロデストレルが終了しました。\n 1 件のデータを") + run.job.ResultFile
        + Sjis("に出力しました。\n 1 件のデータをスキップしました。\n07:08:09->23:59:01");
    ASSERT_FALSE(run.prompter.prompts.empty());
    EXPECT_EQ(run.prompter.prompts.back().text, expected);
    EXPECT_EQ(run.prompter.prompts.back().icon, platform::MessageIcon::Information);
    EXPECT_EQ(run.prompter.prompts.back().buttons, platform::MessageButtons::Ok);
}

TEST_F(RunEnd, TheProgressCloses_ThenTheSummary_ThenTheScreenSaverComesBack)
{
    run.Run();
    const std::string summary = "prompt " + run.Prompts().back();
    EXPECT_EQ(EventsFrom("screen saver off"),
              (std::vector<std::string>{"screen saver off", "progress opened " + std::string(msg::SearchingFilesText),
                                        "progress closed", summary, "screen saver restored"}));
}

TEST_F(RunEnd, WithTheScreenSaverSettingOffTheSwitchIsNeverTouched)
{
    run.job.ScrOFF = 0;
    run.Run();
    EXPECT_FALSE(run.Logged("screen saver off"));
    EXPECT_FALSE(run.Logged("screen saver restored"));
}

TEST_F(RunEnd, AFullDiskStopsTheRunWithAnErrorNamingTheResultThenTheSummary)
{
    run.job.ResultFile = "/dev/full";
    const RunOutcome outcome = run.Run();
    EXPECT_TRUE(outcome.writeFailed);
    EXPECT_FALSE(outcome.cancelled);
    const std::vector<std::string> events = EventsFrom("progress closed");
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[1], "prompt " + msg::ResultWrite("/dev/full", "No space left on device"));
    EXPECT_EQ(events[1], "prompt " + Sjis("/dev/full ファイルに書き込めませんでした。(No space left on device)"));
    EXPECT_EQ(events[2].substr(0, 9), "prompt 1 ");
    EXPECT_EQ(events[3], "screen saver restored");
    EXPECT_EQ(run.prompter.prompts[run.prompter.prompts.size() - 2].icon, platform::MessageIcon::Stop);
}

TEST_F(RunEnd, AWriteFailureInTheFirstFileLeavesTheOthersUnread)
{
    // Enough hits to fill the writer's buffer, so the failure shows mid-file.
    std::string many;
    for (int n = 0; n < 40000; ++n)
        many += "A hit line long enough to fill the buffer soon\n";
    tree.Write("data/a.txt", many);
    tree.Write("data/b.txt", "A\n");
    run.job.DirMode = 1;
    run.job.SearchDir = tree.Path("data");
    run.job.SearchFile = "*.txt";
    run.job.ResultFile = "/dev/full";
    const RunOutcome outcome = run.Run();
    EXPECT_TRUE(outcome.writeFailed);
    EXPECT_EQ(outcome.filesDone, 1);
    EXPECT_EQ(run.progress.files.size(), 1u);
    EXPECT_LT(run.HitCount, 40000);
    EXPECT_TRUE(run.Logged("controls refreshed"));
    EXPECT_TRUE(run.Logged("screen saver restored"));
}

class Companion : public RunEnd {
protected:
    // A program that writes its arguments, one a line, to args.txt.
    std::string MakeRecorder()
    {
        const std::string path = tree.Path("viewer");
        std::ofstream(path) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" << tree.Path("args.tmp")
                            << "\"\nmv \"" << tree.Path("args.tmp") << "\" \"" << tree.Path("args.txt") << "\"\n";
        fs::permissions(path, fs::perms::owner_all);
        return path;
    }
    std::string WaitForArguments() const
    {
        for (int i = 0; i < 500 && !fs::exists(tree.Path("args.txt")); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return TempTree::Read(tree.Path("args.txt"));
    }
};

TEST_F(Companion, StartsOnTheResultFileAfterTheSummary)
{
    run.job.AplExec = 1;
    run.job.AplName = MakeRecorder();
    run.job.ResultFile = tree.Path("my result.txt");
    run.Run();
    EXPECT_EQ(WaitForArguments(), run.job.ResultFile + "\n");
    EXPECT_EQ(run.Prompts().size(), 1u);
}

TEST_F(Companion, AMissingProgramIsToldWithTheCommandLineAndErrorTwo)
{
    run.job.AplExec = 1;
    run.job.AplName = tree.Path("deleted-viewer");
    run.Run();
    const std::string line = run.job.AplName + " \"" + run.job.ResultFile + "\"";
    ASSERT_EQ(run.Prompts().size(), 2u);
    EXPECT_EQ(run.Prompts()[1], line + Sjis("は起動できませんでした。(2)"));
    EXPECT_EQ(run.prompter.prompts[1].icon, platform::MessageIcon::Stop);
    // It comes after the screen saver is back.
    EXPECT_EQ(run.log.events.back(), "prompt " + run.Prompts()[1]);
}

TEST_F(Companion, NothingStartsWithoutAProgramOrWithoutTheSetting)
{
    run.job.AplExec = 1;
    run.Run();
    run.job.AplExec = 0;
    run.job.AplName = tree.Path("deleted-viewer");
    run.Run();
    EXPECT_EQ(run.Prompts().size(), 2u);  // the two summaries
}

TEST_F(Companion, StartsAfterACancelledRunToo)
{
    run.job.AplExec = 1;
    run.job.AplName = tree.Path("deleted-viewer");
    run.progress.cancelAtPump = 1;
    EXPECT_TRUE(run.Run().cancelled);
    EXPECT_EQ(run.Prompts().size(), 2u);
    EXPECT_NE(run.Prompts()[1].find(Sjis("は起動できませんでした。")), std::string::npos);
}

}  // namespace
