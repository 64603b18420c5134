// The main window at start: how the stored settings decide the controls'
// contents and enabled state, and the survey of a restored source file.
#include <QAction>
#include <QWidget>

#include "engine/Messages.h"
#include "settings/store/RegStore.h"
#include "tests/ui/main/MainWindowFixture.h"

namespace {

using testing_support::Cp932;

class MainWindowStart : public MainWindowFixture {
protected:
    // The settings go through the store, as at a real start.
    void StartWith(const JobSettings& stored)
    {
        CRegStore store(folder.filePath(QStringLiteral("store.db")).toStdString());
        SearchList none;
        store.Save(stored, none);
        store.Load(Job(), Window().Conditions());
        Window().Create();
    }
    bool Enabled(int id) const { return window->IsItemEnabled(id); }
};

struct ModeCase {
    int DirMode;
    std::vector<int> enabled;
    std::vector<int> disabled;
};

class SourceModeAtStart : public MainWindowStart, public testing::WithParamInterface<ModeCase> {};

TEST_P(SourceModeAtStart, EnablesTheControlsOfTheStoredSourceModeOnly)
{
    JobSettings stored;
    stored.DirMode = GetParam().DirMode;
    StartWith(stored);
    for (int id : GetParam().enabled)
        EXPECT_TRUE(Enabled(id)) << id;
    for (int id : GetParam().disabled)
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_EQ(window->IsChecked(GetParam().DirMode == 0 ? 1042 : 1049), 1);
}

INSTANTIATE_TEST_SUITE_P(BothModes, SourceModeAtStart,
                         testing::Values(ModeCase{0, {1012, 1008, 1019, 1025}, {1014, 1010, 1011, 1122}},
                                         ModeCase{1, {1014, 1010, 1011, 1122}, {1012, 1008, 1019, 1025}}));

struct PickCase {
    int storedPickMode;
    int PickMode;    // after the start
    bool fieldEdit;  // 1002 and 1035 enabled
    std::string keyCol;
    int checkedRadio;
};

class PickModeAtStart : public MainWindowStart, public testing::WithParamInterface<PickCase> {};

TEST_P(PickModeAtStart, AppliesTheOutputModeAsIfItsRadioWereClicked)
{
    JobSettings stored;
    stored.PickMode = GetParam().storedPickMode;
    stored.KeyCol = 4;
    StartWith(stored);
    EXPECT_EQ(Job().PickMode, GetParam().PickMode);
    EXPECT_EQ(Enabled(1002), GetParam().fieldEdit);
    EXPECT_EQ(Enabled(1035), GetParam().fieldEdit);
    EXPECT_EQ(Text(1002), GetParam().keyCol);
    EXPECT_EQ(window->IsChecked(GetParam().checkedRadio), 1);
}

INSTANTIATE_TEST_SUITE_P(EveryStoredMode, PickModeAtStart,
                         testing::Values(PickCase{0, 0, false, "1", 1060}, PickCase{1, 1, false, "1", 1063},
                                         PickCase{2, 2, true, "4", 1061}, PickCase{7, 0, false, "1", 1060}));

TEST_F(MainWindowStart, LineSearchEmptiesAStoredSearchFieldListAndDisablesItsControls)
{
    JobSettings stored;
    stored.SearchKind = 0;
    stored.SearchCol = "3";
    StartWith(stored);
    EXPECT_EQ(Job().SearchCol, "");
    EXPECT_EQ(Text(1005), "");
    EXPECT_FALSE(Enabled(1005));
    EXPECT_FALSE(Enabled(1034));
}

TEST_F(MainWindowStart, FieldSearchKeepsTheStoredFieldListAndEnablesItsControls)
{
    JobSettings stored;
    stored.SearchKind = 1;
    stored.SearchCol = "2,5";
    StartWith(stored);
    EXPECT_EQ(Text(1005), "2,5");
    EXPECT_TRUE(Enabled(1005));
    EXPECT_TRUE(Enabled(1034));
    EXPECT_EQ(window->IsChecked(1045), 1);
}

TEST_F(MainWindowStart, AnyNonZeroDelQuotBecomesOneAndChecksItsMenuItem)
{
    JobSettings stored;
    stored.DelQuot = 5;
    StartWith(stored);
    EXPECT_EQ(Job().DelQuot, 1);
    EXPECT_TRUE(window->IsMenuChecked(142));
}

TEST_F(MainWindowStart, OnlyTheOtherDelimiterKindEnablesTheDelimiterEdit)
{
    for (int kind : {0, 1, 2, 3, 4}) {
        window = std::make_unique<CLodestrelDlg>();
        JobSettings stored;
        stored.FileKind = kind;
        StartWith(stored);
        EXPECT_EQ(Enabled(1032), kind == 4) << kind;
    }
}

TEST_F(MainWindowStart, TheStoredCommentCharacterIsCheckedAndItsCharacterSet)
{
    JobSettings stored;
    stored.Coment = 3;
    StartWith(stored);
    EXPECT_EQ(Job().ComentChar, "!");
    for (int id : {1073, 1038, 1039, 1047, 1074})
        EXPECT_EQ(window->IsMenuChecked(id), id == 1047) << id;
}

TEST_F(MainWindowStart, ARestoredSourceFileIsSurveyedAndSetsTheOutputFieldToOne)
{
    JobSettings stored;
    stored.FileSaveRest = 1;
    stored.SourceFile = WriteFile("source.csv", "a,b,c\r\nd,e,f\r\ng,h,i\r\n");
    stored.PickMode = 2;
    stored.KeyCol = 3;
    StartWith(stored);
    EXPECT_EQ(Text(1018), "3");
    EXPECT_EQ(Text(1023), "3");
    EXPECT_EQ(Text(1002), "1");
    EXPECT_TRUE(prompter.messages.empty());
}

// Records whether the main window was on the screen when a message came.
class VisibilityPrompter : public testing_support::ScriptedPrompter {
public:
    const QWidget* window = nullptr;
    std::vector<bool> visible;
    platform::MessageAnswer Ask(const std::string& text, platform::MessageIcon icon,
                                platform::MessageButtons buttons) override
    {
        visible.push_back(window && window->isVisible());
        return ScriptedPrompter::Ask(text, icon, buttons);
    }
};

TEST_F(MainWindowStart, ARestoredSourceFileThatIsGoneIsReportedBeforeTheWindowShows)
{
    VisibilityPrompter watching;
    watching.window = window.get();
    platform::ScopedPrompter scope(watching);
    JobSettings stored;
    stored.FileSaveRest = 1;
    stored.SourceFile = PathOf("gone.csv");
    StartWith(stored);
    ASSERT_EQ(watching.messages.size(), 1u);
    EXPECT_EQ(watching.messages[0].text, msg::MissingSource(stored.SourceFile));
    EXPECT_EQ(watching.messages[0].icon, platform::MessageIcon::Stop);
    EXPECT_FALSE(watching.visible[0]);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Text(1008), stored.SourceFile);
    EXPECT_EQ(Text(1018), "0");
}

TEST_F(MainWindowStart, TheStoredConditionsFillTheListView)
{
    AddCondition("東京都");
    AddCondition("大阪*");
    Window().Create();
    EXPECT_EQ(Window().ConditionRows().ListView().topLevelItemCount(), 2);
}

}  // namespace
