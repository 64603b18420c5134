// A run that writes its hits to the standard output, as the command-line
// program does for the result "-".

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "RunHarness.h"
#include "TempTree.h"
#include "engine/Messages.h"

namespace {

// Points descriptor 1 at path while it lives.
class StandardOutputTo {
public:
    StandardOutputTo(const std::string& path, int flags)
    {
        std::fflush(stdout);
        m_saved = ::dup(STDOUT_FILENO);
        const int fd = ::open(path.c_str(), flags, 0644);
        ::dup2(fd, STDOUT_FILENO);
        ::close(fd);
    }
    ~StandardOutputTo()
    {
        std::fflush(stdout);
        ::dup2(m_saved, STDOUT_FILENO);
        ::close(m_saved);
    }

private:
    int m_saved = -1;
};

class ToStandardOutput : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tree.Valid());
        run.job.SourceFile = tree.Write("source.txt", "A1\nB\nA2\n");
        run.job.ResultFile = "-";
        run.Add("A");
    }
    RunOutcome Run()
    {
        RunOptions options;
        options.destination = ResultDestination::StandardOutput;
        return run.Run(options);
    }

    TempTree tree;
    RunHarness run;
};

TEST_F(ToStandardOutput, WritesTheHitsWithCrLfAfterWhatTheShellAlreadyAppended)
{
    const std::string out = tree.Write("out.txt", "earlier\n");
    RunOutcome outcome;
    {
        StandardOutputTo redirect(out, O_WRONLY | O_APPEND);
        outcome = Run();
    }
    EXPECT_EQ(outcome.check, RunCheck::Passed);
    EXPECT_EQ(TempTree::Read(out), "earlier\nA1\r\nA2\r\n");
    EXPECT_EQ(run.Prompts().back(), msg::Summary(1, 2, "-", 0, "09:00:00", "09:00:05"));
}

TEST_F(ToStandardOutput, IsRefusedWhenItIsTheSourceFile)
{
    RunOutcome outcome;
    {
        StandardOutputTo redirect(run.job.SourceFile, O_WRONLY | O_APPEND);
        outcome = Run();
    }
    EXPECT_EQ(outcome.check, RunCheck::ResultIsSource);
    EXPECT_EQ(outcome.focusControl, 1022);
    EXPECT_EQ(TempTree::Read(run.job.SourceFile), "A1\nB\nA2\n");
}

TEST_F(ToStandardOutput, AFileInsideTheSearchedTreeIsNotReadAsASource)
{
    tree.Write("data/a.txt", "A\n");
    const std::string out = tree.Write("data/out.txt", "A old\n");
    run.job.DirMode = 1;
    run.job.SearchDir = tree.Path("data");
    run.job.SearchFile = "*.txt";
    RunOutcome outcome;
    {
        StandardOutputTo redirect(out, O_WRONLY | O_TRUNC);
        outcome = Run();
    }
    EXPECT_EQ(outcome.unreadableSources, 1);
    EXPECT_EQ(TempTree::Read(out), "A\r\n");
}

TEST_F(ToStandardOutput, NeverStartsTheCompanionProgram)
{
    run.job.AplExec = 1;
    run.job.AplName = tree.Path("missing-viewer");
    {
        StandardOutputTo redirect(tree.Path("out.txt"), O_WRONLY | O_CREAT | O_TRUNC);
        Run();
    }
    EXPECT_EQ(run.Prompts().size(), 1u);
}

}  // namespace
