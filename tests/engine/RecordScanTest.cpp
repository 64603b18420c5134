// The record scan on its own: what no run reaches through its survey.

#include "engine/RecordScan.h"

#include <gtest/gtest.h>

#include "RunHarness.h"
#include "TempTree.h"
#include "engine/Messages.h"

namespace {

class Scan : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tree.Valid());
        platform::FileResult error;
        sink = CreateResultFile(tree.Path("result.txt"), error);
        ASSERT_TRUE(sink);
        auto condition = std::make_unique<CSearchInf>();
        condition->SearchString = "A";
        list.Append(std::move(condition));
    }
    ScanResult ScanFile(const std::string& path)
    {
        const CompiledConditions conditions(list, job);
        RecordScan scan(job, survey, conditions, *sink, monitor, prompter, [] {}, hits, skips);
        return scan.ScanFile(path, 1, 1, -1);
    }

    TempTree tree;
    JobSettings job;
    SurveyValues survey;
    SearchList list;
    std::unique_ptr<ResultSink> sink;
    EventLog events;
    ProgressLog progressLog;
    RecordingMonitor monitor{progressLog, events};
    RecordingPrompter prompter;
    int hits = 0;
    int skips = 0;
};

TEST_F(Scan, AReadErrorInTheMiddleOfASourceIsToldAndNotTakenForItsEnd)
{
    job.OnMemory = 0;
    EXPECT_EQ(ScanFile("/proc/self/mem"), ScanResult::SourceFailed);
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, msg::SourceRead("/proc/self/mem", "Input/output error"));
    EXPECT_EQ(prompter.prompts[0].icon, platform::MessageIcon::Stop);
}

TEST_F(Scan, MemoryModeReadsTheSurveyedRecordsAndOpensNothing)
{
    survey.SourceLines = {"A1", "B", "A2"};
    survey.RecordCount = 3;
    EXPECT_EQ(ScanFile(tree.Path("not-there.txt")), ScanResult::Completed);
    EXPECT_EQ(hits, 2);
    EXPECT_EQ(sink->Close(), std::nullopt);
    EXPECT_EQ(TempTree::Read(tree.Path("result.txt")), "A1\r\nA2\r\n");
    EXPECT_TRUE(prompter.prompts.empty());
}

TEST_F(Scan, FromDiskAMissingSourceIsToldWithItsPath)
{
    job.OnMemory = 0;
    EXPECT_EQ(ScanFile(tree.Path("not-there.txt")), ScanResult::SourceFailed);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{msg::SourceOpen(tree.Path("not-there.txt"))});
    EXPECT_TRUE(progressLog.files.empty());
}

}  // namespace
