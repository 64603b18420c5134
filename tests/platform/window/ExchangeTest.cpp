#include "platform/window/Exchange.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/window/Dialog.h"
#include "resources/Resources.h"
#include "tests/platform/window/support/ScriptedPrompter.h"

namespace {

using testing_support::Cp932;

// A few of the main window's bindings, in their exchange order.
class BoundDialog : public platform::Dialog {
public:
    BoundDialog() : platform::Dialog(res::kMainDialog) {}

    std::string SourceFile;
    std::int32_t KeyCol = 0;
    std::int32_t FileKind = 0;
    std::string EtcDelim;
    std::int32_t SubDir = 0;

protected:
    void DoDataExchange(platform::Exchange& ex) override
    {
        ex.Text(1008, SourceFile).Int(1002, KeyCol).Radio(1040, FileKind).Text(1032, EtcDelim, 1).Check(1122, SubDir);
    }
};

class ExchangeTest : public testing::Test {
protected:
    void SetUp() override { dialog.Create(); }

    testing_support::ScriptedPrompter prompter;
    platform::ScopedPrompter scoped{prompter};
    BoundDialog dialog;
};

QString Shown(const QWidget* control)
{
    return qobject_cast<const QLineEdit*>(control)->text();
}

TEST_F(ExchangeTest, RefreshShowsEveryFieldInItsControl)
{
    dialog.SourceFile = Cp932("/データ/元.csv");
    dialog.KeyCol = 12;
    dialog.FileKind = 3;
    dialog.EtcDelim = ";";
    dialog.SubDir = 1;
    dialog.Refresh();
    EXPECT_EQ(Shown(dialog.Item(1008)), QStringLiteral("/データ/元.csv"));
    EXPECT_EQ(Shown(dialog.Item(1002)), QStringLiteral("12"));
    EXPECT_EQ(dialog.IsChecked(1052), 1);
    EXPECT_EQ(dialog.IsChecked(1040), 0);
    EXPECT_EQ(Shown(dialog.Item(1032)), QStringLiteral(";"));
    EXPECT_EQ(dialog.IsChecked(1122), 1);
}

TEST_F(ExchangeTest, ReadBackTakesWhatTheUserChangedIntoTheFields)
{
    dialog.Refresh();
    qobject_cast<QLineEdit*>(dialog.Item(1008))->insert(QStringLiteral("元データ.txt"));
    qobject_cast<QLineEdit*>(dialog.Item(1002))->setText(QStringLiteral(" 7 "));
    QTest::mouseClick(dialog.Item(1043), Qt::LeftButton);
    QTest::keyClicks(dialog.Item(1032), QStringLiteral("|"));
    QTest::mouseClick(dialog.Item(1122), Qt::LeftButton);
    ASSERT_TRUE(dialog.ReadBack());
    EXPECT_EQ(dialog.SourceFile, Cp932("元データ.txt"));
    EXPECT_EQ(dialog.KeyCol, 7);
    EXPECT_EQ(dialog.FileKind, 1);
    EXPECT_EQ(dialog.EtcDelim, "|");
    EXPECT_EQ(dialog.SubDir, 1);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ExchangeTest, TextSetFromBytesComesBackAsTheSameBytes)
{
    const std::string path = "/tmp/\xED\x40\x80name";  // a duplicate code and a byte that is no character
    dialog.SourceFile = path;
    dialog.Refresh();
    dialog.SourceFile.clear();
    ASSERT_TRUE(dialog.ReadBack());
    EXPECT_EQ(dialog.SourceFile, path);
}

TEST_F(ExchangeTest, AnEditThatIsNotAnIntegerStopsTheReadBackThere)
{
    dialog.KeyCol = 5;
    dialog.FileKind = 0;
    dialog.SubDir = 0;
    dialog.Refresh();
    qobject_cast<QLineEdit*>(dialog.Item(1002))->clear();
    QTest::keyClicks(dialog.Item(1008), QStringLiteral("a.txt"));
    QTest::mouseClick(dialog.Item(1043), Qt::LeftButton);
    QTest::mouseClick(dialog.Item(1122), Qt::LeftButton);

    EXPECT_FALSE(dialog.ReadBack());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, Cp932("整数を入力してください。"));
    EXPECT_EQ(prompter.messages[0].icon, platform::MessageIcon::Stop);
    EXPECT_EQ(dialog.focusWidget(), dialog.Item(1002));
    EXPECT_EQ(dialog.SourceFile, "a.txt");  // before the edit: taken
    EXPECT_EQ(dialog.KeyCol, 5);            // the edit and after it: kept
    EXPECT_EQ(dialog.FileKind, 0);
    EXPECT_EQ(dialog.SubDir, 0);
}

TEST_F(ExchangeTest, IntegersOutsideThe32BitRangeOrWithOtherCharactersAreRefused)
{
    for (const char* text : {"abc", "12x", "4294967296", "1 2", "+-1"}) {
        prompter.messages.clear();
        qobject_cast<QLineEdit*>(dialog.Item(1002))->setText(QString::fromLatin1(text));
        EXPECT_FALSE(dialog.ReadBack()) << text;
        EXPECT_EQ(prompter.messages.size(), 1u) << text;
    }
    for (const auto& [text, value] : {std::pair{"-3", -3}, {"+8", 8}, {"2147483647", 2147483647}}) {
        qobject_cast<QLineEdit*>(dialog.Item(1002))->setText(QString::fromLatin1(text));
        EXPECT_TRUE(dialog.ReadBack()) << text;
        EXPECT_EQ(dialog.KeyCol, value);
    }
}

TEST_F(ExchangeTest, TextWithoutACodePage932FormIsRefusedNotReplaced)
{
    dialog.SourceFile = "old";
    dialog.Refresh();
    qobject_cast<QLineEdit*>(dialog.Item(1008))->setText(QStringLiteral("𠮷野家.txt"));
    EXPECT_FALSE(dialog.ReadBack());
    EXPECT_EQ(dialog.SourceFile, "old");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(dialog.focusWidget(), dialog.Item(1008));
}

TEST_F(ExchangeTest, TextOverItsByteLimitIsRefused)
{
    dialog.EtcDelim = "ab";  // longer than the edit takes, set by the program
    dialog.Refresh();
    dialog.EtcDelim = ",";
    EXPECT_FALSE(dialog.ReadBack());
    EXPECT_EQ(dialog.EtcDelim, ",");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, Cp932("1バイト以内で入力してください。"));
}

TEST_F(ExchangeTest, ARadioGroupWithNoneCheckedReadsMinusOneAndAnOutOfRangeValueChecksNone)
{
    dialog.FileKind = 9;
    dialog.Refresh();
    for (int id : {1040, 1043, 1046, 1052, 1041})
        EXPECT_EQ(dialog.IsChecked(id), 0) << id;
    ASSERT_TRUE(dialog.ReadBack());
    EXPECT_EQ(dialog.FileKind, -1);
}

}  // namespace
