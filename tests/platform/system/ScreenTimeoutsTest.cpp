#include "platform/system/ScreenTimeouts.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "XvfbServer.h"

using platform::ScreenTimeouts;

TEST(ScreenTimeouts, WithoutADisplayNothingIsReadOrWritten)
{
    const char* old = std::getenv("DISPLAY");
    const std::string saved = old ? old : "";
    unsetenv("DISPLAY");
    EXPECT_FALSE(platform::ReadScreenTimeouts().has_value());
    EXPECT_FALSE(platform::WriteScreenTimeouts(ScreenTimeouts{}));
    if (old)
        setenv("DISPLAY", saved.c_str(), 1);
}

TEST(ScreenTimeouts, AreWrittenToAndReadBackFromARealXServer)
{
    XvfbServer server;
    if (!server.Running())
        GTEST_SKIP() << "Xvfb is not available";

    const auto original = platform::ReadScreenTimeouts();
    ASSERT_TRUE(original.has_value());

    ScreenTimeouts changed = *original;
    changed.screenSaver = 321;
    changed.standby = 400;
    changed.suspend = 500;
    changed.off = 600;
    ASSERT_TRUE(platform::WriteScreenTimeouts(changed));
    const auto readBack = platform::ReadScreenTimeouts();
    ASSERT_TRUE(readBack.has_value());
    EXPECT_EQ(readBack->screenSaver, 321);
    if (readBack->off != 0 || original->off != 0) {  // the server has DPMS
        EXPECT_EQ(readBack->standby, 400);
        EXPECT_EQ(readBack->suspend, 500);
        EXPECT_EQ(readBack->off, 600);
    }

    ASSERT_TRUE(platform::WriteScreenTimeouts(ScreenTimeouts{}));
    const auto off = platform::ReadScreenTimeouts();
    ASSERT_TRUE(off.has_value());
    EXPECT_EQ(off->screenSaver, 0);
    EXPECT_EQ(off->standby, 0);
    EXPECT_EQ(off->suspend, 0);
    EXPECT_EQ(off->off, 0);
}
