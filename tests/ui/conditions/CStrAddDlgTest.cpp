// The condition editor driven with clicks and typing, in add and edit mode.
#include "ui/dialogs/CStrAddDlg.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Typing.h"
#include "settings/SearchInf.h"
#include "tests/platform/window/support/ScriptedPrompter.h"

namespace {

using testing_support::Cp932;

constexpr int KeywordButtonIds[] = {1091, 1092, 1093, 1094, 1095, 1086, 1087, 1088, 1089, 1090,
                                    1082, 1083, 1084, 1085, 1076, 1078, 1079, 1081, 1096};

// The controls that follow the disabled flag, apart from the exclusion edit.
std::vector<int> ConditionControls()
{
    std::vector<int> ids{1016, 1127, 1080, 1125};
    ids.insert(ids.end(), std::begin(KeywordButtonIds), std::end(KeywordButtonIds));
    return ids;
}

bool SameCondition(const CSearchInf& a, const CSearchInf& b)
{
    return a.SearchNotUse == b.SearchNotUse && a.WildMode == b.WildMode && a.SearchString == b.SearchString &&
           a.SkipUse == b.SkipUse && a.SkipStr == b.SkipStr;
}

class CStrAddDlgTest : public testing::Test {
protected:
    CStrAddDlg& Open(StrAddMode mode)
    {
        m_dialog = std::make_unique<CStrAddDlg>(record, mode);
        m_dialog->Create();
        return *m_dialog;
    }
    CStrAddDlg& Dialog() { return *m_dialog; }
    void Click(int id) { QTest::mouseClick(Dialog().ItemAs<QAbstractButton>(id), Qt::LeftButton); }
    void Type(int id, const QString& text) { conditions_test::TypeText(Dialog().Item(id), text); }
    bool Closed() const { return !m_dialog->isVisible(); }

    testing_support::ScriptedPrompter prompter;
    platform::ScopedPrompter scoped{prompter};
    CSearchInf record;

private:
    std::unique_ptr<CStrAddDlg> m_dialog;
};

TEST_F(CStrAddDlgTest, AddModeOpensWithItsCaptionAnEmptySearchStringTheWildcardBoxTickedAndTheExclusionEditDisabled)
{
    Open(StrAddMode::Add);
    EXPECT_EQ(Dialog().windowTitle(), QStringLiteral("検索文字列の追加"));
    EXPECT_EQ(Dialog().ItemText(1016), "");
    EXPECT_EQ(Dialog().ItemText(1026), "");
    EXPECT_EQ(Dialog().IsChecked(1127), 1);
    EXPECT_EQ(Dialog().IsChecked(1125), 0);
    EXPECT_EQ(Dialog().IsChecked(1126), 0);
    EXPECT_FALSE(Dialog().IsItemEnabled(1026));
    EXPECT_TRUE(Dialog().IsItemEnabled(1016));
}

TEST_F(CStrAddDlgTest, EditModeOpensWithItsCaptionAndShowsTheConditionsFields)
{
    record.SearchNotUse = 0;
    record.WildMode = 0;
    record.SearchString = Cp932("東京*");
    record.SkipUse = 1;
    record.SkipStr = Cp932("大阪,ソ?");
    Open(StrAddMode::Edit);
    EXPECT_EQ(Dialog().windowTitle(), QStringLiteral("検索文字列の変更"));
    EXPECT_EQ(Dialog().ItemText(1016), Cp932("東京*"));
    EXPECT_EQ(Dialog().ItemText(1026), Cp932("大阪,ソ?"));
    EXPECT_EQ(Dialog().IsChecked(1127), 0);
    EXPECT_EQ(Dialog().IsChecked(1125), 1);
    EXPECT_EQ(Dialog().IsChecked(1126), 0);
    EXPECT_TRUE(Dialog().IsItemEnabled(1026));
}

TEST_F(CStrAddDlgTest, TheDisabledFlagAndTheExclusionFlagEnableTheControlsAsTheyAreClicked)
{
    struct Case {
        int notUse, skipUse;
    };
    for (const Case c : {Case{1, 1}, Case{1, 0}, Case{0, 1}, Case{0, 0}}) {
        record = CSearchInf();
        record.SearchNotUse = c.notUse;
        record.SkipUse = c.skipUse;
        record.SkipStr = "x";
        record.SearchString = "s";
        Open(StrAddMode::Edit);
        const auto expectEnabling = [&](int notUse, int skipUse) {
            for (int id : ConditionControls())
                EXPECT_EQ(Dialog().IsItemEnabled(id), notUse != 1) << id << " notUse " << notUse;
            EXPECT_EQ(Dialog().IsItemEnabled(1026), notUse != 1 && skipUse != 0) << notUse << skipUse;
            for (int id : {1126, 1, 2})
                EXPECT_TRUE(Dialog().IsItemEnabled(id)) << id;
        };
        expectEnabling(c.notUse, c.skipUse);
        Click(1126);
        expectEnabling(1 - c.notUse, c.skipUse);
        if (c.notUse == 1) {
            Click(1125);
            expectEnabling(0, 1 - c.skipUse);
        }
    }
}

TEST_F(CStrAddDlgTest, EachKeywordButtonReplacesTheSearchStringWithItsKeywordAndKeepsTheRest)
{
    struct Case {
        int id;
        const char* keyword;
        std::size_t bytes;
    };
    const Case cases[] = {
        {1091, "#数字#", 6},       {1092, "#英字#", 6},       {1093, "#区切#", 6},     {1094, "#カナ#", 6},
        {1095, "#制御#", 6},       {1086, "@記号１@", 8},     {1087, "@記号２@", 8},   {1088, "@英数字@", 8},
        {1089, "@ひら@", 6},       {1090, "@カナ@", 6},       {1082, "@ギリシャ@", 10}, {1083, "@ロシア@", 8},
        {1084, "@第１水準@", 10},  {1085, "@第２水準@", 10},  {1076, "@特殊@", 6},     {1078, "@外字@", 6},
        {1079, "@拡張@", 6},       {1081, "@全角小文字@", 12}, {1096, "@全角大文字@", 12},
    };
    for (const Case& c : cases) {
        record = CSearchInf();
        Open(StrAddMode::Add);
        Type(1016, QStringLiteral("typed 文字"));
        Click(1125);
        Type(1026, QStringLiteral("ex,除外"));
        Click(1127);
        Click(c.id);
        EXPECT_EQ(Dialog().ItemText(1016), Cp932(c.keyword)) << c.id;
        EXPECT_EQ(Dialog().ItemText(1026), Cp932("ex,除外")) << c.id;
        Click(1);
        ASSERT_TRUE(Closed()) << c.id;
        EXPECT_EQ(record.SearchString, Cp932(c.keyword)) << c.id;
        EXPECT_EQ(record.SearchString.size(), c.bytes) << c.id;
        EXPECT_EQ(record.SkipUse, 1);
        EXPECT_EQ(record.SkipStr, Cp932("ex,除外"));
        EXPECT_EQ(record.WildMode, 0);
    }
}

TEST_F(CStrAddDlgTest, OkWithAnEmptySearchStringStaysOpenWithoutAMessageEvenForADisabledCondition)
{
    for (int notUse : {0, 1}) {
        record = CSearchInf();
        record.SearchNotUse = notUse;
        Open(StrAddMode::Add);
        Click(1);
        EXPECT_FALSE(Closed()) << notUse;
        EXPECT_TRUE(prompter.messages.empty());
        EXPECT_TRUE(SameCondition(record, [&] {
            CSearchInf fresh;
            fresh.SearchNotUse = notUse;
            return fresh;
        }()));
    }
}

TEST_F(CStrAddDlgTest, OkWithTheExclusionTickedAndNoExclusionStringsSaysSoAndStaysOpen)
{
    Open(StrAddMode::Add);
    Type(1016, QStringLiteral("abc"));
    Click(1125);
    Click(1);
    EXPECT_FALSE(Closed());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, Cp932("除外文字列を入力して下さい。"));
    EXPECT_EQ(prompter.messages[0].icon, platform::MessageIcon::Stop);
    EXPECT_EQ(record.SearchString, "");

    Type(1026, QStringLiteral("x"));
    Dialog().ItemAs<QLineEdit>(1016)->clear();
    Click(1);
    EXPECT_FALSE(Closed());
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(SameCondition(record, CSearchInf()));
}

TEST_F(CStrAddDlgTest, OkWritesTheFiveFieldsExactlyAsTyped)
{
    record.SearchString = "old";
    record.SkipStr = "old skip";
    Open(StrAddMode::Edit);
    Dialog().ItemAs<QLineEdit>(1016)->clear();
    Type(1016, QStringLiteral(" 新しい*文字 "));
    Click(1127);
    Click(1125);
    Dialog().ItemAs<QLineEdit>(1026)->clear();
    Type(1026, QStringLiteral("a, b,,ｶﾅ"));
    Click(1126);
    Click(1);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Dialog().result(), 1);
    EXPECT_EQ(record.SearchNotUse, 1);
    EXPECT_EQ(record.WildMode, 0);
    EXPECT_EQ(record.SearchString, Cp932(" 新しい*文字 "));
    EXPECT_EQ(record.SkipUse, 1);
    EXPECT_EQ(record.SkipStr, Cp932("a, b,,ｶﾅ"));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(CStrAddDlgTest, CancelByButtonEscapeOrCloseBoxLeavesTheConditionUnchanged)
{
    enum class Way { Button, Escape, CloseBox };
    for (Way way : {Way::Button, Way::Escape, Way::CloseBox}) {
        record = CSearchInf();
        record.SearchString = "keep";
        record.SkipUse = 1;
        record.SkipStr = "skip";
        const CSearchInf before = record;
        Open(StrAddMode::Edit);
        Type(1016, QStringLiteral("more"));
        Click(1126);
        Click(1127);
        switch (way) {
        case Way::Button:
            Click(2);
            break;
        case Way::Escape:
            QTest::keyClick(Dialog().Item(1016), Qt::Key_Escape);
            break;
        case Way::CloseBox:
            Dialog().close();
            break;
        }
        EXPECT_TRUE(Closed()) << static_cast<int>(way);
        EXPECT_EQ(Dialog().result(), 2);
        EXPECT_TRUE(SameCondition(record, before)) << static_cast<int>(way);
    }
}

TEST_F(CStrAddDlgTest, TheSampleButtonChangesNothing)
{
    Open(StrAddMode::Add);
    Type(1016, QStringLiteral("abc"));
    Click(1080);
    EXPECT_FALSE(Closed());
    EXPECT_EQ(Dialog().ItemText(1016), "abc");
    EXPECT_TRUE(SameCondition(record, CSearchInf()));
}

TEST_F(CStrAddDlgTest, ControlsWithATextInTheStringTableShowItAsTheirTooltip)
{
    Open(StrAddMode::Add);
    EXPECT_EQ(Dialog().Item(1)->toolTip(), QStringLiteral("抽出処理を実行します。"));
    EXPECT_EQ(Dialog().Item(1016)->toolTip(), QStringLiteral("リストに追加する検索文字列を入力します。"));
    EXPECT_EQ(Dialog().Item(1026)->toolTip(), QStringLiteral("カンマで区切って複数指定、ワイルドカード可"));
    EXPECT_EQ(Dialog().Item(1091)->toolTip(), QStringLiteral("0123456789"));
    EXPECT_EQ(Dialog().Item(2)->toolTip(), QString());
}

}  // namespace
