// Finding and opening the help file: the current directory, then the
// program's data folders, then a copy in the temporary folder; a failure
// names the help file.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

#include "engine/Messages.h"
#include "tests/platform/window/support/ScriptedPrompter.h"
#include "ui/app/HelpFile.h"

namespace {

using testing_support::Cp932;

class Help : public testing::Test {
protected:
    Help()
    {
        QDir(folder.path()).mkpath(QStringLiteral("data"));
        QDir(folder.path()).mkpath(QStringLiteral("temp"));
        QDir(folder.path()).mkpath(QStringLiteral("work"));
        previous = QDir::currentPath();
        QDir::setCurrent(folder.filePath(QStringLiteral("work")));
        help.SetOpener([this](std::string_view path) {
            opened.emplace_back(path);
            return failing.count(std::string(path)) ? platform::OpenResult::NoApplication : platform::OpenResult::Opened;
        });
    }
    ~Help() override { QDir::setCurrent(previous); }

    std::string Put(const char* subfolder, const char* content)
    {
        const QString path = QDir(folder.filePath(QString::fromLatin1(subfolder))).filePath(QStringLiteral("Lodestrel.html"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return QFileInfo(path).absoluteFilePath().toStdString();
    }
    std::string Message(int code) const
    {
        return msg::FillIn(Cp932("表示ファイル<%s>が起動出来ませんでした。(%d)"), {"Lodestrel.html", std::to_string(code)});
    }

    QTemporaryDir folder;
    QString previous;
    HelpFile help{{folder.filePath(QStringLiteral("data"))}, folder.filePath(QStringLiteral("temp"))};
    std::vector<std::string> opened;
    std::set<std::string> failing;  // paths the desktop cannot open
    testing_support::ScriptedPrompter prompter;
};

TEST_F(Help, TheCurrentDirectoryComesBeforeTheDataFolder)
{
    const std::string current = Put("work", "current");
    Put("data", "data");
    help.Open(prompter);
    EXPECT_EQ(opened, std::vector<std::string>{current});
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(Help, TheDataFolderServesWhenTheCurrentDirectoryHasNoHelp)
{
    const std::string data = Put("data", "data");
    help.Open(prompter);
    EXPECT_EQ(opened, std::vector<std::string>{data});
}

TEST_F(Help, ACopyInTheTemporaryFolderIsOpenedWhenTheOriginalsCannotBe)
{
    const std::string data = Put("data", "<html>help</html>");
    failing.insert(data);
    help.Open(prompter);
    const std::string copy = QFileInfo(help.TemporaryCopy()).absoluteFilePath().toStdString();
    EXPECT_EQ(opened, (std::vector<std::string>{data, copy}));
    QFile file(help.TemporaryCopy());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("<html>help</html>"));
    file.close();
    EXPECT_TRUE(prompter.messages.empty());
    help.RemoveTemporaryCopy();
    EXPECT_FALSE(QFile::exists(help.TemporaryCopy()));
}

TEST_F(Help, NoHelpAnywhereIsReportedNamingTheHelpFile)
{
    help.Open(prompter);
    EXPECT_TRUE(opened.empty());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, Message(2));
    EXPECT_EQ(prompter.messages[0].icon, platform::MessageIcon::Stop);
}

TEST_F(Help, AHelpThatNoViewerOpensIsReportedNamingTheHelpFileNotItsCopy)
{
    const std::string current = Put("work", "x");
    failing.insert(current);
    failing.insert(QFileInfo(help.TemporaryCopy()).absoluteFilePath().toStdString());
    help.Open(prompter);
    EXPECT_EQ(opened.size(), 2u);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, Message(31));
}

}  // namespace
