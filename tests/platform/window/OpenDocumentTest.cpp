#include "platform/window/OpenDocument.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <fstream>

#include <gtest/gtest.h>

namespace {

TEST(OpenDocument, AFileThatDoesNotExistIsReportedAsNotFound)
{
    EXPECT_EQ(platform::OpenDocument("/nonexistent/Readme.txt"), platform::OpenResult::FileNotFound);
    EXPECT_EQ(static_cast<int>(platform::OpenResult::FileNotFound), 2);
}

TEST(OpenDocument, ADesktopThatCannotOpenAFileReportsNoApplication)
{
    if (QGuiApplication::platformName() != QStringLiteral("offscreen"))
        GTEST_SKIP() << "only the offscreen platform is known to open nothing";
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("Readme.txt")).toStdString();
    std::ofstream(path) << "text\n";
    EXPECT_EQ(platform::OpenDocument(path), platform::OpenResult::NoApplication);
    EXPECT_EQ(platform::OpenDocument("https://example.invalid/"), platform::OpenResult::NoApplication);
}

}  // namespace
