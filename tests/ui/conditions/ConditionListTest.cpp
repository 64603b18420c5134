// The condition list on the main window's list view, driven with clicks and
// keys; the condition editor is a script here (CStrAddDlgTest tests it).
#include "ui/main/ConditionList.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ListHost.h"
#include "Typing.h"
#include "platform/window/EditedText.h"
#include "tests/platform/window/support/ScriptedPrompter.h"

namespace {

using conditions_test::ListHost;
using testing_support::Cp932;

std::unique_ptr<CSearchInf> Condition(const std::string& searchString, int notUse = 0, int wildMode = 1,
                                      int skipUse = 0, const std::string& skipStr = "")
{
    auto condition = std::make_unique<CSearchInf>();
    condition->SearchNotUse = notUse;
    condition->WildMode = wildMode;
    condition->SearchString = searchString;
    condition->SkipUse = skipUse;
    condition->SkipStr = skipStr;
    return condition;
}

class ConditionListTest : public testing::Test {
protected:
    // Conditions "c1" to "cN" (N = count), then the window open.
    void OpenWith(int count)
    {
        for (int i = 1; i <= count; ++i)
            host.conditions.Append(Condition("c" + std::to_string(i)));
        host.Create();
    }

    QTreeWidget& List() { return host.list.ListView(); }
    QTreeWidgetItem& Row(int position) { return *List().topLevelItem(position); }
    QPoint RowCentre(int position)
    {
        List().scrollToItem(&Row(position));
        return List().visualItemRect(&Row(position)).center();
    }

    void ClickRow(int position, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(List().viewport(), Qt::LeftButton, modifiers, RowCentre(position));
    }
    // What the window system delivers for a double click: press, release, press, double click, release.
    void DoubleClickRow(int position, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* viewport = List().viewport();
        const QPoint at = RowCentre(position);
        QTest::mouseClick(viewport, Qt::LeftButton, modifiers, at);
        QTest::mousePress(viewport, Qt::LeftButton, modifiers, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, modifiers, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, modifiers, at);
    }
    void Click(int id) { QTest::mouseClick(host.ItemAs<QAbstractButton>(id), Qt::LeftButton); }
    void PressKeyInList(Qt::Key key)
    {
        List().setFocus();
        QTest::keyClick(&List(), key);
    }

    std::vector<int> SelectedRows()
    {
        std::vector<int> rows;
        for (int position = 0; position < List().topLevelItemCount(); ++position)
            if (Row(position).isSelected())
                rows.push_back(position);
        return rows;
    }
    std::vector<std::string> SearchStrings()
    {
        std::vector<std::string> strings;
        for (int position = 0; position < host.conditions.Count(); ++position)
            strings.push_back(host.conditions.At(position).SearchString);
        return strings;
    }

    // Row i shows condition i, for every i, and there are as many rows as conditions.
    void ExpectRowsAgreeWithList()
    {
        ASSERT_EQ(List().topLevelItemCount(), host.conditions.Count());
        for (int position = 0; position < host.conditions.Count(); ++position)
            EXPECT_EQ(Row(position).text(0), platform::ShownText(host.conditions.At(position).SearchString)) << position;
    }

    testing_support::ScriptedPrompter prompter;
    platform::ScopedPrompter scoped{prompter};
    ListHost host;
};

TEST_F(ConditionListTest, TheColumnsHaveTheirHeadersWidthsAndAlignments)
{
    OpenWith(1);
    struct Expected {
        QString header;
        int width;
        Qt::Alignment alignment;
    };
    const Expected columns[] = {
        {"検索文字列", 190, Qt::AlignLeft},
        {"状態", 50, Qt::AlignHCenter},
        {"モード", 50, Qt::AlignHCenter},
        {"除外文字列", 110, Qt::AlignLeft},
    };
    ASSERT_EQ(List().columnCount(), 4);
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(List().headerItem()->text(column), columns[column].header);
        EXPECT_EQ(List().header()->sectionSize(column), columns[column].width);
        EXPECT_EQ(Qt::Alignment(List().headerItem()->textAlignment(column)) & Qt::AlignHorizontal_Mask,
                  columns[column].alignment);
        EXPECT_EQ(Qt::Alignment(Row(0).textAlignment(column)) & Qt::AlignHorizontal_Mask, columns[column].alignment);
    }
    EXPECT_EQ(List().selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST_F(ConditionListTest, EachRowShowsItsConditionsTextsInTheFourColumns)
{
    struct Case {
        int notUse, wildMode;
        std::string searchString;
        int skipUse;
        std::string skipStr;
        int allSkipNoUse;
        QStringList columns;
    };
    const std::vector<Case> cases = {
        {0, 1, "abc", 0, "", 0, {"abc", "有効", "を含む", ""}},
        {1, 1, "abc", 0, "", 0, {"abc", "無効", "を含む", ""}},
        {2, 1, "abc", 0, "", 0, {"abc", "有効", "を含む", ""}},
        {0, 1, "a*c", 0, "", 0, {"a*c", "有効", "と一致", ""}},
        {0, 1, "a?c", 0, "", 0, {"a?c", "有効", "と一致", ""}},
        {0, 0, "a*c", 0, "", 0, {"a*c", "有効", "を含む", ""}},
        {0, 1, "abc", 1, "x,y*", 0, {"abc", "有効", "を含む", "x,y*"}},
        {0, 1, "abc", 0, "x,y*", 0, {"abc", "有効", "を含む", ""}},
        {0, 1, "abc", 1, "x,y*", 1, {"abc", "有効", "を含む", ""}},
        {0, 1, Cp932("東京*"), 1, Cp932("大阪,ソ"), 0, {"東京*", "有効", "と一致", "大阪,ソ"}},
    };
    for (const Case& c : cases) {
        ListHost window;
        window.job.AllSkipNoUse = c.allSkipNoUse;
        window.conditions.Append(Condition(c.searchString, c.notUse, c.wildMode, c.skipUse, c.skipStr));
        window.Create();
        QTreeWidgetItem* row = window.list.ListView().topLevelItem(0);
        ASSERT_NE(row, nullptr);
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(row->text(column), c.columns[column]) << c.searchString << " column " << column;
    }
}

TEST_F(ConditionListTest, AnExclusionColumnOver2047BytesIsCutBeforeTheCharacterThatCrossesTheLimit)
{
    const std::string kanji = Cp932("東");
    struct Case {
        std::string skipStr;
        QString shown;
    };
    const Case cases[] = {
        {std::string(2047, 'a'), QString(2047, 'a')},
        {std::string(3000, 'a'), QString(2047, 'a')},
        {std::string(2045, 'a') + kanji + "b", QString(2045, 'a') + "東"},
        {std::string(2046, 'a') + kanji, QString(2046, 'a')},
    };
    for (const Case& c : cases) {
        ListHost window;
        window.conditions.Append(Condition("x", 0, 1, 1, c.skipStr));
        window.Create();
        EXPECT_EQ(window.list.ListView().topLevelItem(0)->text(3), c.shown) << c.skipStr.size();
        EXPECT_EQ(window.conditions.At(0).SkipStr, c.skipStr);
    }
}

TEST_F(ConditionListTest, TheAddButtonOpensTheEditorOnAFreshConditionAndAppendsItWhenItEndsWithOk)
{
    OpenWith(2);
    host.editorAnswer = [](CSearchInf& condition) {
        condition.SearchString = "new*";
        return true;
    };
    Click(1027);
    ASSERT_EQ(host.editorCalls.size(), 1u);
    EXPECT_EQ(host.editorCalls[0].mode, StrAddMode::Add);
    const CSearchInf& fresh = host.editorCalls[0].before;
    EXPECT_EQ(fresh.SearchNotUse, 0);
    EXPECT_EQ(fresh.WildMode, 1);
    EXPECT_EQ(fresh.SearchString, "");
    EXPECT_EQ(fresh.SkipUse, 0);
    EXPECT_EQ(fresh.SkipStr, "");
    EXPECT_EQ(SearchStrings(), (std::vector<std::string>{"c1", "c2", "new*"}));
    EXPECT_EQ(&host.conditions.At(2), host.editorCalls[0].condition);
    EXPECT_EQ(Row(2).text(2), "と一致");
    EXPECT_FALSE(Row(2).isSelected());
    ExpectRowsAgreeWithList();
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ConditionListTest, AddReadsTheWindowBackBeforeTheEditorAndRefreshesItAfter)
{
    OpenWith(1);
    host.ItemAs<QLineEdit>(1002)->setText("7");
    int keyColSeenByEditor = -1;
    host.editorAnswer = [&](CSearchInf& condition) {
        keyColSeenByEditor = host.job.KeyCol;
        host.job.KeyCol = 9;
        condition.SearchString = "x";
        return true;
    };
    Click(1027);
    EXPECT_EQ(keyColSeenByEditor, 7);
    EXPECT_EQ(host.ItemAs<QLineEdit>(1002)->text(), "9");
}

TEST_F(ConditionListTest, CancellingTheEditorInAddModeAddsNothing)
{
    OpenWith(3);
    host.editorAnswer = [](CSearchInf& condition) {
        condition.SearchString = "typed but cancelled";
        return false;
    };
    Click(1027);
    EXPECT_EQ(host.editorCalls.size(), 1u);
    EXPECT_EQ(SearchStrings(), (std::vector<std::string>{"c1", "c2", "c3"}));
    ExpectRowsAgreeWithList();
}

TEST_F(ConditionListTest, AddingASearchStringThatIsAlreadyListedGivesTwoRowsWithTheSameText)
{
    OpenWith(2);
    host.editorAnswer = [](CSearchInf& condition) {
        condition.SearchString = "c1";
        return true;
    };
    Click(1027);
    EXPECT_EQ(SearchStrings(), (std::vector<std::string>{"c1", "c2", "c1"}));
    ExpectRowsAgreeWithList();
}

TEST_F(ConditionListTest, TheInsertKeyAddsAndTheDeleteKeyDeletesTheSelectedRows)
{
    OpenWith(3);
    host.editorAnswer = [](CSearchInf& condition) {
        condition.SearchString = "by key";
        return true;
    };
    PressKeyInList(Qt::Key_Insert);
    EXPECT_EQ(SearchStrings(), (std::vector<std::string>{"c1", "c2", "c3", "by key"}));
    ClickRow(1);
    ClickRow(3, Qt::ControlModifier);
    PressKeyInList(Qt::Key_Delete);
    EXPECT_EQ(SearchStrings(), (std::vector<std::string>{"c1", "c3"}));
    ExpectRowsAgreeWithList();
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ConditionListTest, OtherKeysInTheListNeitherAddNorDelete)
{
    OpenWith(3);
    ClickRow(1);
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Space, Qt::Key_A, Qt::Key_F2})
        PressKeyInList(key);
    EXPECT_TRUE(host.editorCalls.empty());
    EXPECT_EQ(host.conditions.Count(), 3);
    ExpectRowsAgreeWithList();
}

TEST_F(ConditionListTest, With1000ConditionsAddShowsTheLimitMessageBeforeTheEditorAndAfterADeleteAddsAgain)
{
    OpenWith(SearchList::MaxCount);
    host.editorAnswer = [](CSearchInf& condition) {
        condition.SearchString = "one more";
        return true;
    };
    Click(1027);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, Cp932("登録可能最大数を超えました。検索文字を削除して下さい。"));
    EXPECT_EQ(prompter.messages[0].icon, platform::MessageIcon::Stop);
    EXPECT_TRUE(host.editorCalls.empty());
    EXPECT_EQ(host.conditions.Count(), SearchList::MaxCount);

    ClickRow(0);
    Click(1031);
    Click(1027);
    EXPECT_EQ(host.editorCalls.size(), 1u);
    EXPECT_EQ(host.conditions.Count(), SearchList::MaxCount);
    EXPECT_EQ(host.conditions.At(SearchList::MaxCount - 1).SearchString, "one more");
    EXPECT_EQ(prompter.messages.size(), 1u);
    ExpectRowsAgreeWithList();
}

TEST_F(ConditionListTest, DeletingRowsTwoFiveAndSevenOfTenLeavesTheOtherSevenInTheirOrder)
{
    OpenWith(10);
    ClickRow(1);
    ClickRow(4, Qt::ControlModifier);
    ClickRow(6, Qt::ControlModifier);
    ASSERT_EQ(SelectedRows(), (std::vector<int>{1, 4, 6}));
    Click(1031);
    EXPECT_EQ(SearchStrings(), (std::vector<std::string>{"c1", "c3", "c4", "c6", "c8", "c9", "c10"}));
    ExpectRowsAgreeWithList();
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ConditionListTest, DeleteWithNothingSelectedChangesNothing)
{
    OpenWith(4);
    Click(1031);
    PressKeyInList(Qt::Key_Delete);
    EXPECT_EQ(host.conditions.Count(), 4);
    ExpectRowsAgreeWithList();
}

TEST_F(ConditionListTest, DoubleClickingWithThreeRowsSelectedEditsOnlyTheTopmostAndDeselectsIt)
{
    OpenWith(6);
    ClickRow(2);
    ClickRow(4, Qt::ControlModifier);
    ClickRow(5, Qt::ControlModifier);
    ASSERT_EQ(SelectedRows(), (std::vector<int>{2, 4, 5}));
    host.editorAnswer = [](CSearchInf& condition) {
        condition.SearchString = "edited?";
        condition.SearchNotUse = 1;
        return true;
    };
    DoubleClickRow(4, Qt::ControlModifier);
    ASSERT_EQ(host.editorCalls.size(), 1u);
    EXPECT_EQ(host.editorCalls[0].mode, StrAddMode::Edit);
    EXPECT_EQ(host.editorCalls[0].condition, &host.conditions.At(2));
    EXPECT_EQ(SearchStrings(), (std::vector<std::string>{"c1", "c2", "edited?", "c4", "c5", "c6"}));
    EXPECT_EQ(Row(2).text(1), "無効");
    EXPECT_EQ(Row(2).text(2), "と一致");
    EXPECT_EQ(SelectedRows(), (std::vector<int>{4, 5}));
    ExpectRowsAgreeWithList();
}

TEST_F(ConditionListTest, CancellingAnEditLeavesTheRowAndItsConditionAsTheyWere)
{
    host.conditions.Append(Condition("keep", 0, 1, 1, "x"));
    host.Create();
    host.editorAnswer = [](CSearchInf&) { return false; };
    DoubleClickRow(0);
    ASSERT_EQ(host.editorCalls.size(), 1u);
    const CSearchInf& condition = host.conditions.At(0);
    EXPECT_EQ(condition.SearchString, "keep");
    EXPECT_EQ(condition.SkipUse, 1);
    EXPECT_EQ(condition.SkipStr, "x");
    EXPECT_EQ(Row(0).text(3), "x");
    EXPECT_TRUE(Row(0).isSelected());
}

TEST_F(ConditionListTest, TheExclusionSwitchEmptiesTheExclusionColumnAndBringsItBackWithoutTouchingConditions)
{
    host.conditions.Append(Condition("a", 0, 1, 1, "x1"));
    host.conditions.Append(Condition("b", 0, 1, 0, "x2"));
    host.conditions.Append(Condition("c", 0, 1, 1, "x3"));
    host.Create();
    const auto column3 = [&] {
        return QStringList{Row(0).text(3), Row(1).text(3), Row(2).text(3)};
    };
    EXPECT_EQ(column3(), (QStringList{"x1", "", "x3"}));

    Click(1125);
    EXPECT_EQ(host.job.AllSkipNoUse, 1);
    EXPECT_EQ(column3(), (QStringList{"", "", ""}));
    EXPECT_EQ(host.conditions.At(0).SkipUse, 1);
    EXPECT_EQ(host.conditions.At(0).SkipStr, "x1");

    Click(1125);
    EXPECT_EQ(host.job.AllSkipNoUse, 0);
    EXPECT_EQ(column3(), (QStringList{"x1", "", "x3"}));
    ExpectRowsAgreeWithList();
}

TEST_F(ConditionListTest, TheExclusionSwitchFollowsItsCheckBoxEvenWhenTheReadBackStopsAtAnotherControl)
{
    host.conditions.Append(Condition("a", 0, 1, 1, "x1"));
    host.Create();
    host.ItemAs<QLineEdit>(1002)->clear();
    Click(1125);
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(host.job.AllSkipNoUse, 1);
    EXPECT_EQ(Row(0).text(3), "");
}

TEST_F(ConditionListTest, WhenTheReadBackStopsAddAndEditOpenNoEditorAndChangeNothing)
{
    OpenWith(2);
    host.ItemAs<QLineEdit>(1002)->clear();
    ClickRow(0);
    Click(1027);
    DoubleClickRow(0);
    EXPECT_TRUE(host.editorCalls.empty());
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(host.ItemAs<QLineEdit>(1002)->text(), "");
    EXPECT_EQ(SearchStrings(), (std::vector<std::string>{"c1", "c2"}));
}

TEST_F(ConditionListTest, TheConditionFileButtonReadsBackAndHandsTheRowCountToTheFlow)
{
    OpenWith(3);
    host.ItemAs<QLineEdit>(1002)->setText("4");
    std::vector<int> rowCounts;
    int keyColSeen = 0;
    host.list.SetConditionFileFlow([&](int rowCount) {
        rowCounts.push_back(rowCount);
        keyColSeen = host.job.KeyCol;
    });
    Click(1064);
    EXPECT_EQ(rowCounts, std::vector<int>{3});
    EXPECT_EQ(keyColSeen, 4);
}

TEST_F(ConditionListTest, RefillListRebuildsTheRowsFromTheList)
{
    OpenWith(2);
    host.conditions.Append(Condition("read from a file"));
    host.conditions.RemoveAt(0);
    host.list.RefillList();
    ExpectRowsAgreeWithList();
    EXPECT_EQ(List().topLevelItemCount(), 2);
}

// The real condition editor, opened by the Insert key and answered from the
// event loop of its modal display.
TEST(ConditionListWithItsEditor, TheInsertKeyOpensTheConditionEditorAndItsOkAddsTheTypedCondition)
{
    testing_support::ScriptedPrompter prompter;
    platform::ScopedPrompter scoped(prompter);
    ListHost host(ListHost::EditorKind::Real);
    host.Create();
    QString caption;
    QTimer answer;
    answer.setInterval(0);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* editor = dynamic_cast<platform::Dialog*>(QApplication::activeModalWidget());
        if (!editor)
            return;
        answer.stop();
        caption = editor->windowTitle();
        conditions_test::TypeText(editor->Item(1016), QStringLiteral("東京*"));
        QTest::mouseClick(editor->ItemAs<QAbstractButton>(1), Qt::LeftButton);
    });
    answer.start();
    QTreeWidget& list = host.list.ListView();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Insert);
    EXPECT_EQ(caption, QStringLiteral("検索文字列の追加"));
    ASSERT_EQ(host.conditions.Count(), 1);
    EXPECT_EQ(host.conditions.At(0).SearchString, Cp932("東京*"));
    EXPECT_EQ(list.topLevelItem(0)->text(2), QStringLiteral("と一致"));
    EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
