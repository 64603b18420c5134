// The extraction run started from the main window stops at a failed input
// check: its message, the focus on the control concerned, nothing created.
#include <QApplication>
#include <QWidget>

#include <functional>

#include "engine/Messages.h"
#include "tests/ui/main/MainWindowFixture.h"

namespace {

using testing_support::Cp932;

struct CheckCase {
    const char* name;
    std::function<void(JobSettings&, const std::string& source)> setUp;
    std::string message;  // code page 932
    int focus;            // the control that gets the focus
    std::string keyColTyped = {};  // typed into 1002 after the start, when not empty
};

std::vector<CheckCase> Cases()
{
    return {
        {"NoDirectory", [](JobSettings& job, const std::string&) { job.DirMode = 1; job.SearchDir.clear(); },
         msg::NoSearchDirText, 1010},
        {"NoPattern", [](JobSettings& job, const std::string&) { job.DirMode = 1; job.SearchDir = "/tmp"; job.SearchFile.clear(); },
         msg::NoSearchFileText, 1011},
        {"NoSourceFile", [](JobSettings& job, const std::string&) { job.SourceFile.clear(); }, msg::NoSourceFileText, 1012},
        {"NoResultFile", [](JobSettings& job, const std::string&) { job.ResultFile.clear(); }, msg::NoResultFileText, 1022},
        {"OutputFieldBeyondTheFile", [](JobSettings& job, const std::string&) { job.PickMode = 2; },
         msg::OutputFieldText, 1002, "9"},
        {"FieldSearchOnPlainText", [](JobSettings& job, const std::string&) { job.FileKind = 3; job.SearchKind = 1; job.SearchCol = "1"; },
         msg::TextModeFieldsText, 1005},
        {"FieldSearchWithoutFields", [](JobSettings& job, const std::string&) { job.SearchKind = 1; job.SearchCol.clear(); },
         msg::NoSearchFieldsText, 1005},
    };
}

class RunStopsAtCheck : public MainWindowFixture, public testing::WithParamInterface<CheckCase> {
protected:
    void SetUp() override
    {
        source = WriteFile("source.csv", "a,b,c\r\nd,e,f\r\n");
        result = PathOf("result.txt");
        Job().SourceFile = source;
        Job().ResultFile = result;
        AddCondition("a");
    }
    std::string source;
    std::string result;
};

TEST_P(RunStopsAtCheck, ShowsItsMessageMovesTheFocusAndCreatesNothing)
{
    GetParam().setUp(Job(), source);
    Window().Create();
    if (!GetParam().keyColTyped.empty())
        Type(1002, GetParam().keyColTyped);
    prompter.messages.clear();
    Click(1);
    ASSERT_FALSE(prompter.messages.empty());
    EXPECT_EQ(prompter.messages.back().text, GetParam().message);
    EXPECT_EQ(prompter.messages.back().icon, platform::MessageIcon::Stop);
    EXPECT_EQ(Window().focusWidget(), Window().Item(GetParam().focus));
    EXPECT_FALSE(Exists(result));
}

INSTANTIATE_TEST_SUITE_P(EveryCheck, RunStopsAtCheck, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindowFixture, AnEmptyConditionListStopsTheRunWithoutMovingTheFocus)
{
    Job().SourceFile = WriteFile("source.csv", "a,b\r\n");
    Job().ResultFile = PathOf("result.txt");
    Window().Create();
    Window().Item(1011)->setFocus();
    QWidget* before = Window().focusWidget();
    Click(1);
    ASSERT_FALSE(prompter.messages.empty());
    EXPECT_EQ(prompter.messages.back().text, msg::NoConditionsText);
    EXPECT_EQ(Window().focusWidget(), before);
    EXPECT_FALSE(Exists(Job().ResultFile));
}

TEST_F(MainWindowFixture, AnEmptyOutputFieldNumberStopsTheRunBeforeAnythingIsCreated)
{
    Job().SourceFile = WriteFile("source.csv", "a,b\r\n");
    Job().ResultFile = PathOf("result.txt");
    Job().PickMode = 2;
    AddCondition("a");
    Window().Create();
    const int keyCol = Job().KeyCol;
    Type(1002, "");
    prompter.messages.clear();
    Click(1);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, Cp932("整数を入力してください。"));
    EXPECT_EQ(Window().focusWidget(), Window().Item(1002));
    EXPECT_FALSE(Exists(Job().ResultFile));
    EXPECT_EQ(Job().KeyCol, keyCol);
}

}  // namespace
