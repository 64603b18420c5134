#include "ui/dialogs/CMsgDlg.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/window/AnimationView.h"
#include "platform/window/ControlText.h"
#include "platform/window/PathLabel.h"
#include "resources/Resources.h"
#include "tests/platform/window/support/PaintCounter.h"
#include "tests/platform/window/support/ScriptedPrompter.h"

namespace {

using testing_support::Cp932;
using testing_support::PaintCounter;

// The main window: its buttons record their commands.
class OwnerWindow : public platform::Dialog {
public:
    OwnerWindow() : platform::Dialog(res::kMainDialog)
    {
        OnCommand(1012, [this] { commands.push_back(1012); });
    }
    std::vector<int> commands;
};

class CMsgDlgTest : public testing::Test {
protected:
    void SetUp() override { owner.Create(); }

    std::string Text(int id) const { return platform::ControlText(*progress.Item(id)).value_or("?"); }
    QProgressBar* Bar() const { return progress.ItemAs<QProgressBar>(1123); }
    void Create()
    {
        progress.SetMessage(Cp932("ファイルを検索しています。"));
        progress.Create();
    }
    // Something that happens while the run goes on, before the next pump.
    static void Meanwhile(std::function<void()> action)
    {
        QMetaObject::invokeMethod(qApp, std::move(action), Qt::QueuedConnection);
    }

    testing_support::ScriptedPrompter prompter;
    platform::ScopedPrompter scoped{prompter};
    OwnerWindow owner;
    CMsgDlg progress{&owner};
};

TEST_F(CMsgDlgTest, OpensCentredOverItsOwnerWithTheMessageZerosAndThePlayingAnimation)
{
    Create();
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.windowTitle(), QStringLiteral("ファイルチェック中"));
    const QPoint offset = progress.frameGeometry().center() - owner.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);
    EXPECT_EQ(Text(1100), Cp932("ファイルを検索しています。"));
    EXPECT_EQ(Text(1099), "");
    for (int id : {1108, 1055, 1008, 1015})
        EXPECT_EQ(Text(id), "0") << id;
    EXPECT_EQ(progress.focusWidget(), progress.Item(2));

    auto* animation = dynamic_cast<platform::AnimationView*>(progress.findChild<QWidget*>(QStringLiteral("control1096")));
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->parentWidget(), progress.Item(1102));
    EXPECT_EQ(animation->geometry(), progress.Item(1102)->rect());
    EXPECT_TRUE(animation->IsPlaying());
    EXPECT_TRUE(QTest::qWaitFor([&] { return animation->Frame() != 0; }, 2000));
}

TEST_F(CMsgDlgTest, ShowsTheFileItsNumbersAndTheRecordsWrittenAcrossFiles)
{
    Create();
    const std::string path = Cp932("/データ/元ファイル.csv");
    progress.SetFileInfo(path, 1, 3);
    progress.SetRecordTotal(120);
    EXPECT_EQ(Text(1100), Cp932("ファイルをチェックしています。"));
    EXPECT_EQ(Text(1099), path);
    EXPECT_EQ(dynamic_cast<platform::PathLabel*>(progress.Item(1099))->text(), QStringLiteral("/データ/元ファイル.csv"));
    EXPECT_EQ(Text(1008), "1");
    EXPECT_EQ(Text(1015), "3");
    EXPECT_EQ(Text(1108), "120");
    progress.SetHitCount(1);
    EXPECT_EQ(Text(1055), "1");
    progress.SetFileInfo(Cp932("/データ/次.csv"), 2, 3);
    progress.SetRecordTotal(40);
    EXPECT_EQ(Text(1055), "1");
    progress.SetHitCount(2);
    EXPECT_EQ(Text(1055), "2");
    EXPECT_EQ(Text(1008), "2");
    EXPECT_EQ(Text(1108), "40");
}

TEST_F(CMsgDlgTest, TheBarSpansTheWholeFileAndRepaintsOnlyWhenItsFilledPartChanges)
{
    Create();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&progress));
    constexpr int kRecords = 400000;
    progress.SetFileInfo("/big.csv", 1, 1);
    progress.SetRecordTotal(kRecords);
    EXPECT_EQ(Bar()->minimum(), 0);
    EXPECT_EQ(Bar()->maximum(), kRecords);
    PaintCounter counter(Bar());
    const int width = Bar()->width();
    for (int record = 1; record <= kRecords; ++record) {
        progress.SetRecordPos(record);
        if (record == kRecords / 2) {
            EXPECT_LE(Bar()->value(), kRecords / 2);
            EXPECT_GE(Bar()->value(), kRecords / 2 - kRecords / width - 1);
        }
    }
    EXPECT_EQ(Bar()->value(), kRecords);
    EXPECT_GT(counter.paints, 0);
    EXPECT_LE(counter.paints, width + 1);
}

TEST_F(CMsgDlgTest, AnEmptyFileShowsAnEmptyBarNotABusyIndicator)
{
    Create();
    progress.SetRecordTotal(0);
    EXPECT_EQ(Text(1108), "0");
    EXPECT_GT(Bar()->maximum(), Bar()->minimum());
    EXPECT_EQ(Bar()->value(), 0);
}

TEST_F(CMsgDlgTest, ACancelClickIsAnsweredAtTheNextPumpAndYesSetsTheFlag)
{
    Create();
    prompter.answers = {platform::MessageAnswer::Yes};
    Meanwhile([this] { QTest::mouseClick(progress.Item(2), Qt::LeftButton); });
    EXPECT_FALSE(progress.IsCanceled());
    EXPECT_TRUE(prompter.messages.empty());
    progress.PumpMessages();
    EXPECT_TRUE(progress.IsCanceled());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, Cp932("中止します。\nよろしいですか？"));
    EXPECT_EQ(prompter.messages[0].icon, platform::MessageIcon::Question);
    EXPECT_EQ(prompter.messages[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_TRUE(progress.isVisible());
}

TEST_F(CMsgDlgTest, NoLetsTheRunGoOnAndTheDialogStaysOpen)
{
    Create();
    prompter.answers = {platform::MessageAnswer::No, platform::MessageAnswer::No};
    Meanwhile([this] { QTest::mouseClick(progress.Item(2), Qt::LeftButton); });
    progress.PumpMessages();
    EXPECT_FALSE(progress.IsCanceled());
    Meanwhile([this] { QTest::keyClick(&progress, Qt::Key_Escape); });
    progress.PumpMessages();
    EXPECT_FALSE(progress.IsCanceled());
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_TRUE(progress.isVisible());
}

TEST_F(CMsgDlgTest, DuringAPumpTheMainWindowRepaintsButIgnoresInput)
{
    Create();
    PaintCounter ownerPaints(&owner);
    owner.Item(1008)->update();  // something of the main window needs painting
    Meanwhile([this] {
        QTest::mouseClick(owner.Item(1012), Qt::LeftButton);
        QTest::keyClick(owner.Item(1008), Qt::Key_A);
    });
    progress.PumpMessages();
    EXPECT_TRUE(owner.commands.empty());
    EXPECT_EQ(qobject_cast<QLineEdit*>(owner.Item(1008))->text(), QString());
    EXPECT_GT(ownerPaints.paints, 0);
    // After the run the main window takes input again.
    QTest::mouseClick(owner.Item(1012), Qt::LeftButton);
    EXPECT_EQ(owner.commands, std::vector<int>{1012});
}

TEST_F(CMsgDlgTest, EnterAwayFromTheCancelButtonDoesNotCloseTheDialog)
{
    Create();
    progress.Item(1055)->setFocus();
    QTest::keyClick(progress.Item(1055), Qt::Key_Return);
    EXPECT_TRUE(progress.isVisible());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(CMsgDlgTest, APumpBeforeTheWindowExistsHandlesNothing)
{
    bool handled = false;
    Meanwhile([&] { handled = true; });
    progress.PumpMessages();
    EXPECT_FALSE(handled);
    QCoreApplication::processEvents();
    EXPECT_TRUE(handled);
}

TEST_F(CMsgDlgTest, DestroyClosesTheWindowAndStopsTheAnimation)
{
    Create();
    auto* animation = dynamic_cast<platform::AnimationView*>(progress.findChild<QWidget*>(QStringLiteral("control1096")));
    progress.Destroy();
    EXPECT_FALSE(progress.isVisible());
    EXPECT_FALSE(animation->IsPlaying());
}

}  // namespace
