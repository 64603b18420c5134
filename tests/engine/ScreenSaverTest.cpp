// The screen-saver switch on a real X server: captured once, off during a run
// with the setting on, back after it, also after a cancel or a failed write,
// untouched by a refused run.

#include "engine/CScreenSave.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "RunHarness.h"
#include "TempTree.h"
#include "XvfbServer.h"

namespace {

using platform::ScreenTimeouts;

bool Same(const ScreenTimeouts& a, const ScreenTimeouts& b)
{
    return a.screenSaver == b.screenSaver && a.standby == b.standby && a.suspend == b.suspend && a.off == b.off;
}

// A progress display that reads the time-outs at every pump.
class ObservingMonitor : public RecordingMonitor {
public:
    ObservingMonitor(ProgressLog& log, EventLog& events, std::optional<ScreenTimeouts>& seen)
        : RecordingMonitor(log, events), m_seen(seen)
    {
    }
    void PumpMessages() override
    {
        m_seen = platform::ReadScreenTimeouts();
        RecordingMonitor::PumpMessages();
    }

private:
    std::optional<ScreenTimeouts>& m_seen;
};

class ObservingHarness : public RunHarness {
public:
    std::unique_ptr<ProgressMonitor> OpenProgress(const std::string&) override
    {
        return std::make_unique<ObservingMonitor>(progress, log, seenDuringRun);
    }
    std::optional<ScreenTimeouts> seenDuringRun;
};

class ScreenSaver : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!xvfb.Running())
            GTEST_SKIP() << "Xvfb could not be started";
        ASSERT_TRUE(platform::WriteScreenTimeouts(start));
        const auto read = platform::ReadScreenTimeouts();
        ASSERT_TRUE(read);
        start = *read;  // without DPMS the power stages read back as 0
        ASSERT_EQ(start.screenSaver, 600);
        saver.emplace();
        run.screenSaverOverride = &*saver;
        run.job.SourceFile = tree.Write("source.txt", "A\nB\n");
        run.job.ResultFile = tree.Path("result.txt");
        run.job.ScrOFF = 1;
        run.Add("A");
        // Later changes by others must not be what Restore brings back.
        platform::WriteScreenTimeouts(ScreenTimeouts{1200, 0, 0, 0});
    }
    ScreenTimeouts Now() const { return platform::ReadScreenTimeouts().value_or(ScreenTimeouts{-1, -1, -1, -1}); }

    XvfbServer xvfb;
    ScreenTimeouts start{600, 700, 800, 900};
    std::optional<CScreenSave> saver;
    TempTree tree;
    ObservingHarness run;
};

TEST_F(ScreenSaver, IsOffDuringARunAndBackToItsStartValuesAfter)
{
    ASSERT_TRUE(saver->Captured());
    EXPECT_TRUE(Same(*saver->Captured(), start));
    run.Run();
    ASSERT_TRUE(run.seenDuringRun);
    EXPECT_TRUE(Same(*run.seenDuringRun, ScreenTimeouts{}));
    EXPECT_TRUE(Same(Now(), start));
}

TEST_F(ScreenSaver, ComesBackAfterACancelledRun)
{
    run.progress.cancelAtPump = 1;
    EXPECT_TRUE(run.Run().cancelled);
    EXPECT_TRUE(Same(*run.seenDuringRun, ScreenTimeouts{}));
    EXPECT_TRUE(Same(Now(), start));
}

TEST_F(ScreenSaver, ComesBackAfterAFailedWrite)
{
    run.job.ResultFile = "/dev/full";
    EXPECT_TRUE(run.Run().writeFailed);
    EXPECT_TRUE(Same(Now(), start));
}

TEST_F(ScreenSaver, IsUntouchedByARefusedRunOrAResultThatCannotBeCreated)
{
    run.list.DeleteAll();
    EXPECT_EQ(run.Run().check, RunCheck::NoConditions);
    EXPECT_EQ(Now().screenSaver, 1200);
    run.Add("A");
    run.job.ResultFile = tree.Path("missing/result.txt");
    EXPECT_EQ(run.Run().check, RunCheck::ResultNotCreated);
    EXPECT_EQ(Now().screenSaver, 1200);
}

TEST_F(ScreenSaver, IsUntouchedWhenTheSettingIsOff)
{
    run.job.ScrOFF = 0;
    run.Run();
    EXPECT_EQ(run.seenDuringRun->screenSaver, 1200);
    EXPECT_EQ(Now().screenSaver, 1200);
}

TEST(ScreenSaverWithoutDisplay, CapturesNothing)
{
    const char* display = std::getenv("DISPLAY");
    const std::optional<std::string> saved = display ? std::optional<std::string>(display) : std::nullopt;
    unsetenv("DISPLAY");
    CScreenSave saver;
    EXPECT_FALSE(saver.Captured());
    saver.SwitchOff();
    saver.Restore();
    if (saved)
        setenv("DISPLAY", saved->c_str(), 1);
}

}  // namespace
