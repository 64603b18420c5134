// The terminal side of lodestrel-cli: the progress line (drawn only when
// standard error is a terminal) and the replies taken for Yes.

#include <gtest/gtest.h>

#include "app/lodestrel-cli/TerminalProgress.h"
#include "app/lodestrel-cli/TerminalPrompter.h"
#include "tests/app/CliTest.h"

namespace clitest {
namespace {

TEST(TerminalReply, IsYesOnlyForYOrYesOrHai)
{
    for (const char* reply : {"y", "Y", "yes", "YES", " yes\r", "はい"})
        EXPECT_TRUE(IsYesReply(reply)) << reply;
    for (const char* reply : {"", "n", "no", "yess", "y y", "いいえ", "1"})
        EXPECT_FALSE(IsYesReply(reply)) << reply;
}

class ProgressLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_progress.SetFileInfo(Sjis("/data/名前がとても長いファイル.csv"), 2, 5);
        m_progress.SetRecordTotal(1000);
        m_progress.SetRecordPos(501);
        m_progress.SetHitCount(7);
    }

    StatusLine m_line{StatusLineMode::Off};
    TerminalProgress m_progress{m_line};
};

TEST_F(ProgressLine, ShowsFileNumberRecordsHitsAndPercent)
{
    EXPECT_EQ(m_progress.LineText(200), "[2/5] 名前がとても長いファイル.csv  500/1000 records  7 hits  50%");
}

TEST_F(ProgressLine, ShortensTheNameOnACharacterBoundaryToFitTheWidth)
{
    const std::string fixed = "[2/5]   500/1000 records  7 hits  50%";
    // Room for seven columns: two full-width characters and "..."; with eight
    // the third character would still not fit whole.
    for (int room : {7, 8})
        EXPECT_EQ(m_progress.LineText(static_cast<int>(fixed.size()) + room),
                  "[2/5] 名前...  500/1000 records  7 hits  50%")
            << room;
}

TEST_F(ProgressLine, CountsTheRecordsReadSoFar)
{
    m_progress.SetRecordPos(1001);  // past the last record: the file is done
    EXPECT_EQ(m_progress.LineText(200), "[2/5] 名前がとても長いファイル.csv  1000/1000 records  7 hits  100%");
    m_progress.SetFileInfo(Sjis("empty.txt"), 3, 5);
    EXPECT_EQ(m_progress.LineText(200), "[3/5] empty.txt  0/0 records  7 hits  0%");
}

TEST_F(CliTest, TheProgressLineIsDrawnOnATerminalAndClearedBeforeTheSummary)
{
    WriteText("s.txt", "東京\r\n大阪\r\n");
    CliResult result = RunCli(CliLaunch{{"-e", "東京", "-o", "out.txt", "s.txt"},
                                        Path(""),
                                        {"XDG_CONFIG_HOME=" + Path("config")},
                                        ErrorStream::Terminal});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.err.find("\r[1/1] s.txt  0/2 records  0 hits  0%\x1b[K"), std::string::npos) << result.err;
    EXPECT_TRUE(result.err.ends_with("\r\x1b[K")) << result.err;
    EXPECT_EQ(WithoutTimes(result.out), SummaryText(1, 1, "out.txt", 0));
}

}  // namespace
}  // namespace clitest
