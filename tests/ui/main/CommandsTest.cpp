// The main window's commands: the option menu's toggles and check marks,
// reloading from the button and the File menu, the modes' radios, the
// companion check box, the browse and view commands.
#include <QAbstractButton>
#include <QAction>
#include <QDir>

#include "engine/Messages.h"
#include "platform/window/MenuBar.h"
#include "tests/ui/main/MainWindowFixture.h"

namespace {

using testing_support::Cp932;

class MainWindowCommands : public MainWindowFixture {
protected:
    void Choose(int menuItem) { Window().Menu()->Item(menuItem)->trigger(); }
    bool Checked(int menuItem) const { return window->IsMenuChecked(menuItem); }
};

struct ToggleCase {
    int item;
    int JobSettings::*field;
};

class OptionToggle : public MainWindowCommands, public testing::WithParamInterface<ToggleCase> {};

TEST_P(OptionToggle, FlipsItsFieldAndItsCheckMarkEachTime)
{
    Window().Create();
    const int before = Job().*GetParam().field;
    EXPECT_EQ(Checked(GetParam().item), before != 0);
    Choose(GetParam().item);
    EXPECT_EQ(Job().*GetParam().field, before == 0 ? 1 : 0);
    EXPECT_EQ(Checked(GetParam().item), before == 0);
    Choose(GetParam().item);
    EXPECT_EQ(Job().*GetParam().field, before);
    EXPECT_EQ(Checked(GetParam().item), before != 0);
}

INSTANTIATE_TEST_SUITE_P(EveryToggle, OptionToggle,
                         testing::Values(ToggleCase{32781, &JobSettings::OnMemory}, ToggleCase{1007, &JobSettings::UppChk},
                                         ToggleCase{142, &JobSettings::DelQuot}, ToggleCase{32779, &JobSettings::ScrOFF},
                                         ToggleCase{32784, &JobSettings::FileSaveRest},
                                         ToggleCase{32785, &JobSettings::ListSeq}));

TEST_F(MainWindowCommands, ACommentItemSetsTheCommentAndChecksOnlyItself)
{
    Window().Create();
    const struct {
        int item;
        int Coment;
        const char* ComentChar;
    } cases[] = {{1039, 2, "@"}, {1074, 4, "*"}, {1047, 3, "!"}, {1038, 1, "#"}, {1073, 0, "#"}};
    for (const auto& c : cases) {
        Choose(c.item);
        EXPECT_EQ(Job().Coment, c.Coment) << c.item;
        EXPECT_EQ(Job().ComentChar, c.ComentChar) << c.item;
        for (int id : {1073, 1038, 1039, 1047, 1074})
            EXPECT_EQ(Checked(id), id == c.item) << c.item << " " << id;
    }
}

TEST_F(MainWindowCommands, WithoutACompanionProgramItsBoxStaysUncheckedAndItsMenuItemToo)
{
    Window().Create();
    EXPECT_FALSE(Checked(32782));
    window->ItemAs<QAbstractButton>(1121)->click();
    EXPECT_EQ(window->IsChecked(1121), 0);
    EXPECT_EQ(Job().AplExec, 0);
}

TEST_F(MainWindowCommands, WithACompanionProgramItsBoxFollowsTheClicks)
{
    Job().AplName = "/usr/bin/true";
    Window().Create();
    EXPECT_TRUE(Checked(32782));
    window->ItemAs<QAbstractButton>(1121)->click();
    EXPECT_EQ(Job().AplExec, 1);
    window->ItemAs<QAbstractButton>(1121)->click();
    EXPECT_EQ(Job().AplExec, 0);
}

TEST_F(MainWindowCommands, SwitchingOnMemoryAsksToReloadAndSurveysOnlyOnYes)
{
    const std::string source = WriteFile("source.csv", "a,b\r\nc,d\r\n");
    Job().SourceFile = source;
    Window().Create();
    WriteFile("source.csv", "a,b\r\nc,d\r\ne,f\r\n");
    prompter.answers = {platform::MessageAnswer::No, platform::MessageAnswer::Yes};
    Choose(32781);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, Cp932("再読込しますか？"));
    EXPECT_EQ(prompter.messages[0].icon, platform::MessageIcon::Question);
    EXPECT_EQ(Text(1018), "2");
    Choose(32781);
    EXPECT_EQ(Text(1018), "3");
}

// The button and the File menu's "再読込" item do the same.
class Reload : public MainWindowCommands, public testing::WithParamInterface<int> {
protected:
    void Press(int id)
    {
        if (id == 1020)
            Choose(id);
        else
            window->ItemAs<QAbstractButton>(id)->click();
    }
};

TEST_P(Reload, SurveysTheSourceFileAgainAndShowsTheNewCounts)
{
    Job().SourceFile = WriteFile("source.csv", "a,b\r\n");
    Job().PickMode = 2;
    Window().Create();
    WriteFile("source.csv", "a,b,c\r\nd,e\r\nf\r\n");
    Type(1002, "3");
    prompter.messages.clear();
    Press(GetParam());
    EXPECT_EQ(Text(1018), "3");
    EXPECT_EQ(Text(1023), "3");
    EXPECT_EQ(Text(1002), "1");
    ASSERT_FALSE(prompter.messages.empty());  // the survey's uneven field counts
    EXPECT_EQ(prompter.messages.back().text, msg::UnevenFields(1, 3));
}

TEST_P(Reload, DoesNothingVisibleWithoutASourceFile)
{
    Window().Create();
    Press(GetParam());
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(Text(1018), "0");
}

INSTANTIATE_TEST_SUITE_P(ButtonAndMenu, Reload, testing::Values(1025, 1020));

TEST_F(MainWindowCommands, SwitchingToTheDirectoryModeKeepsATypedSourceFileName)
{
    Window().Create();
    Type(1008, "typed.csv");
    window->ItemAs<QAbstractButton>(1049)->click();
    EXPECT_EQ(Job().DirMode, 1);
    EXPECT_EQ(Text(1008), "typed.csv");
    EXPECT_FALSE(window->IsItemEnabled(1008));
    EXPECT_TRUE(window->IsItemEnabled(1010));
}

TEST_F(MainWindowCommands, TheModeRadiosSetTheirFieldsAndEnabling)
{
    Window().Create();
    window->ItemAs<QAbstractButton>(1061)->click();
    EXPECT_TRUE(window->IsItemEnabled(1002));
    Type(1002, "5");
    window->ItemAs<QAbstractButton>(1063)->click();
    EXPECT_EQ(Job().PickMode, 1);
    EXPECT_EQ(Text(1002), "1");
    EXPECT_FALSE(window->IsItemEnabled(1035));
    window->ItemAs<QAbstractButton>(1045)->click();
    Type(1005, "2,3");
    EXPECT_TRUE(window->IsItemEnabled(1034));
    window->ItemAs<QAbstractButton>(1044)->click();
    EXPECT_EQ(Text(1005), "");
    EXPECT_FALSE(window->IsItemEnabled(1005));
    window->ItemAs<QAbstractButton>(1041)->click();
    EXPECT_TRUE(window->IsItemEnabled(1032));
    window->ItemAs<QAbstractButton>(1052)->click();
    EXPECT_FALSE(window->IsItemEnabled(1032));
}

TEST_F(MainWindowCommands, BrowsingForTheSourceFileSurveysItAndKeepsTheCurrentDirectory)
{
    const std::string source = WriteFile("source.csv", "a,b\r\nc,d\r\n");
    Window().Create();
    const QString directory = QDir::currentPath();
    prompter.files = {std::nullopt, source};
    Click(1012);
    EXPECT_EQ(Text(1008), "");
    Click(1012);
    EXPECT_EQ(Text(1008), source);
    EXPECT_EQ(Text(1018), "2");
    ASSERT_EQ(prompter.fileRequests.size(), 2u);
    EXPECT_EQ(prompter.fileRequests[0].kind, platform::FileDialogKind::Open);
    EXPECT_EQ(prompter.fileRequests[0].title, Cp932("元ファイル選択"));
    EXPECT_EQ(QDir::currentPath(), directory);
}

TEST_F(MainWindowCommands, BrowsingForTheResultFileSetsItWithoutASurvey)
{
    Window().Create();
    prompter.files = {PathOf("result.txt")};
    Click(1022);
    EXPECT_EQ(Text(1021), PathOf("result.txt"));
    ASSERT_EQ(prompter.fileRequests.size(), 1u);
    EXPECT_EQ(prompter.fileRequests[0].kind, platform::FileDialogKind::Save);
    EXPECT_EQ(prompter.fileRequests[0].title, Cp932("抽出結果ファイル選択"));
    EXPECT_TRUE(prompter.fileRequests[0].options & platform::AskOverwrite);
}

TEST_F(MainWindowCommands, TheFolderBrowserNamesTheCurrentFolderInItsTitle)
{
    Job().DirMode = 1;
    Job().SearchDir = folder.path().toStdString();
    Window().Create();
    prompter.folders = {std::nullopt};
    Click(1014);
    ASSERT_EQ(prompter.folderRequests.size(), 1u);
    EXPECT_EQ(prompter.folderRequests[0].title, msg::FillIn(Cp932("%s 【現在のﾌｫﾙﾀﾞ=%s】"), {Cp932("ディレクトリ選択"), Job().SearchDir}));
    EXPECT_EQ(Text(1010), Job().SearchDir);
}

TEST_F(MainWindowCommands, ViewingAFileThatDoesNotExistDoesNothing)
{
    Job().ResultFile = PathOf("missing.txt");
    Window().Create();
    Click(1024);
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MainWindowCommands, ViewingAFileOpensItWithTheDesktopAndReportsAFailure)
{
    Job().ResultFile = WriteFile("result.txt", "x\r\n");
    Window().Create();
    Choose(1024);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], Job().ResultFile);
    openResult = platform::OpenResult::NoApplication;
    Click(1024);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              msg::FillIn(Cp932("表示ファイル<%s>が起動出来ませんでした。(%d)"), {Job().ResultFile, "31"}));
    EXPECT_EQ(prompter.messages[0].icon, platform::MessageIcon::Stop);
}

}  // namespace
