#include "platform/window/LinkTarget.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class LinkTargetTest : public testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    void Write(const QString& name, const QByteArray& content)
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir dir;
};

TEST_F(LinkTargetTest, ASymbolicLinkLeadsToItsTarget)
{
    Write(QStringLiteral("data.csv"), "a\n");
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("data.csv")), Path(QStringLiteral("to-file"))));
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("folder")), Path(QStringLiteral("to-folder"))));
    EXPECT_EQ(platform::LinkTarget(Path(QStringLiteral("to-file"))), Path(QStringLiteral("data.csv")));
    EXPECT_EQ(platform::LinkTarget(Path(QStringLiteral("to-folder"))), Path(QStringLiteral("folder")));
}

TEST_F(LinkTargetTest, ADesktopLinkLeadsToTheLocalPathOfItsUrl)
{
    Write(QStringLiteral("a.desktop"), "[Desktop Entry]\nType=Link\nName=A\nURL=file:///srv/%E3%83%87%E3%83%BC%E3%82%BF\n");
    Write(QStringLiteral("b.desktop"), "[Desktop Entry]\nName=B\nURL=/srv/plain/\nType=Link\n");
    EXPECT_EQ(platform::LinkTarget(Path(QStringLiteral("a.desktop"))), QStringLiteral("/srv/データ"));
    EXPECT_EQ(platform::LinkTarget(Path(QStringLiteral("b.desktop"))), QStringLiteral("/srv/plain"));
}

TEST_F(LinkTargetTest, OtherFilesAreNoLinks)
{
    Write(QStringLiteral("app.desktop"), "[Desktop Entry]\nType=Application\nExec=/bin/true\n");
    Write(QStringLiteral("web.desktop"), "[Desktop Entry]\nType=Link\nURL=https://example.invalid/\n");
    Write(QStringLiteral("other.desktop"), "[Other Group]\nType=Link\nURL=/srv\n");
    Write(QStringLiteral("plain.txt"), "URL=/srv\n");
    for (const char* name : {"app.desktop", "web.desktop", "other.desktop", "plain.txt", "missing.desktop"})
        EXPECT_EQ(platform::LinkTarget(Path(QString::fromLatin1(name))), std::nullopt) << name;
}

}  // namespace
