// End-to-end: --settings starts from the job and conditions the window program
// stored (in the configuration folder of the test), and the options given
// beside it override single settings.

#include <gtest/gtest.h>

#include "settings/store/RegStore.h"
#include "settings/store/StoreLocation.h"
#include "tests/app/CliTest.h"

namespace clitest {
namespace {

class StoredJob : public CliTest {
protected:
    std::filesystem::path StoreFile() const { return StoreFileFor(Path("config").c_str(), nullptr); }

    // A job as the window program would leave it: tag output, case ignored,
    // file names kept, one condition with an exclusion.
    void StoreJob()
    {
        JobSettings job;
        job.FileSaveRest = 1;
        job.SourceFile = Sjis("元.txt");
        job.ResultFile = "stored.txt";
        job.PickMode = 1;
        job.UppChk = 0;
        SearchList list;
        auto condition = std::make_unique<CSearchInf>();
        condition->SearchString = "abc";
        condition->SkipUse = 1;
        condition->SkipStr = "ABCX";
        list.Append(std::move(condition));
        CRegStore store(StoreFile());
        ASSERT_EQ(store.Save(job, list), 0);
    }

    void SetUp() override
    {
        CliTest::SetUp();
        WriteText("元.txt", "ABC\r\nabcx\r\nxyz\r\n");
    }
};

TEST_F(StoredJob, RunsTheStoredJobAsItIs)
{
    StoreJob();
    CliResult result = Run({"--settings"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Read("stored.txt"), CrLfLines({"元.txt(1):ABC"}));
    EXPECT_EQ(WithoutTimes(result.out), SummaryText(1, 1, "stored.txt", 1));
}

TEST_F(StoredJob, OptionsOverrideSingleSettingsAndAddConditions)
{
    StoreJob();
    CliResult result = Run({"--settings", "--output", "line", "-e", "XYZ", "--no-exclusions", "-o", "other.txt"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Read("other.txt"), CrLfLines({"ABC", "abcx", "xyz"}));
    EXPECT_FALSE(std::filesystem::exists(Path("stored.txt")));
}

TEST_F(StoredJob, IsNeverChangedByARun)
{
    StoreJob();
    Run({"--settings", "--output", "line", "-e", "XYZ", "-o", "other.txt"});
    JobSettings job;
    SearchList list;
    CRegStore(StoreFile()).Load(job, list);
    EXPECT_EQ(job.ResultFile, "stored.txt");
    EXPECT_EQ(job.PickMode, 1);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.At(0).SearchString, "abc");
}

TEST_F(StoredJob, WithoutAStoreIsReportedAsUnavailable)
{
    CliResult result = Run({"--settings", "-e", "abc", "-o", "out.txt", "元.txt"});
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.err.starts_with("lodestrel-cli: no stored job is available: " + StoreFile().string() +
                                       " does not exist"))
        << result.err;
    EXPECT_FALSE(std::filesystem::exists(Path("out.txt")));
}

}  // namespace
}  // namespace clitest
