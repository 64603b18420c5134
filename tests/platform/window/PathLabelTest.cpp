#include "platform/window/PathLabel.h"

#include <gtest/gtest.h>

namespace {

TEST(PathLabel, ShortensALongPathInTheMiddleKeepingItsEnds)
{
    platform::PathLabel label;
    label.resize(120, 16);
    label.setText(QStringLiteral("/home/user/very/long/path/with/many/folders/inside/it/data.csv"));
    const QString shown = label.ShownText();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("/home"))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("data.csv"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
    EXPECT_EQ(label.text(), QStringLiteral("/home/user/very/long/path/with/many/folders/inside/it/data.csv"));
}

TEST(PathLabel, ShowsAPathThatFitsWhole)
{
    platform::PathLabel label;
    label.resize(300, 16);
    label.setText(QStringLiteral("/tmp/a.txt"));
    EXPECT_EQ(label.ShownText(), QStringLiteral("/tmp/a.txt"));
}

}  // namespace
