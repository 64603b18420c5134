// Whole jobs driven from the main window: a source file chosen, conditions
// added through the condition editor, field output, "抽出", the summary and
// the result file; a run cancelled from the progress dialog; a directory run.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QTreeWidget>

#include "engine/Messages.h"
#include "platform/window/EditedText.h"
#include "ui/dialogs/CMsgDlg.h"
#include "ui/dialogs/CStrAddDlg.h"
#include "tests/ui/main/MainWindowFixture.h"

namespace {

using testing_support::Cp932;

class WholeJob : public MainWindowFixture {
protected:
    // Adds a condition through the editor: it is filled in and confirmed as
    // soon as it is open; anything else that opens modally is closed.
    void AddThroughEditor(const char* utf8)
    {
        QTimer::singleShot(0, [utf8] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* editor = dynamic_cast<CStrAddDlg*>(modal);
            if (!editor) {
                ADD_FAILURE() << "the condition editor did not open";
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                return;
            }
            editor->SetItemText(1016, Cp932(utf8));
            editor->ItemAs<QAbstractButton>(1)->click();
        });
        window->ItemAs<QAbstractButton>(1027)->click();
    }
    int Rows() { return Window().ConditionRows().ListView().topLevelItemCount(); }
    // The summary up to its time stamps.
    static std::string SummaryStart(int files, int hits, const std::string& result, int skips)
    {
        std::string text = msg::Summary(files, hits, result, skips, "", "");
        return text.substr(0, text.size() - 2);
    }
    // The controls show what the fields hold.
    void ExpectControlsShowTheJob()
    {
        EXPECT_EQ(Text(1008), Job().SourceFile);
        EXPECT_EQ(Text(1021), Job().ResultFile);
        EXPECT_EQ(Text(1018), std::to_string(Window().Survey().RecordCount));
        EXPECT_EQ(Text(1023), std::to_string(Window().Survey().MaxFieldCount));
        EXPECT_EQ(Text(1002), std::to_string(Job().KeyCol));
        EXPECT_EQ(Rows(), Window().Conditions().Count());
        for (int row = 0; row < Rows(); ++row)
            EXPECT_EQ(platform::EditedBytes("", Window().ConditionRows().ListView().topLevelItem(row)->text(0)).value_or("?"),
                      Window().Conditions().At(row).SearchString);
    }
};

TEST_F(WholeJob, ExtractsTheChosenFieldOfEveryHitIntoTheResultFile)
{
    const std::string source = WriteFile(
        "source.csv", Cp932("13,東京都,千代田区\r\n27,大阪府,大阪市\r\n14,神奈川県,横浜市\r\n"
                            "13,東京都,八王子市\r\n01,北海道,札幌市\r\n40,福岡県,福岡市\r\n"));
    const std::string result = PathOf("result.txt");
    Window().Create();
    prompter.files = {source, result};
    Click(1012);
    Click(1022);
    EXPECT_EQ(Text(1018), "6");
    EXPECT_EQ(Text(1023), "3");

    AddThroughEditor("八王子市");
    AddThroughEditor("*大阪*");
    AddThroughEditor("福岡");
    ASSERT_EQ(Window().Conditions().Count(), 3);
    EXPECT_EQ(Rows(), 3);

    window->ItemAs<QAbstractButton>(1061)->click();
    Type(1002, "3");
    prompter.messages.clear();
    window->ItemAs<QAbstractButton>(1)->click();

    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].icon, platform::MessageIcon::Information);
    EXPECT_EQ(prompter.messages[0].text.rfind(SummaryStart(1, 3, result, 0), 0), 0u);
    EXPECT_EQ(ReadFile(result), Cp932("大阪市\r\n八王子市\r\n福岡市\r\n"));
    EXPECT_EQ(Window().HitCount(), 3);
    EXPECT_FALSE(Window().LastRun().cancelled);
    ExpectControlsShowTheJob();
}

TEST_F(WholeJob, ACancelledRunKeepsWhatItWroteAndLeavesTheWindowInStep)
{
    std::string lines;
    for (int n = 1; n <= 1000; ++n)
        lines += "row" + std::to_string(n) + ",x\r\n";
    Job().SourceFile = WriteFile("source.csv", lines);
    Job().ResultFile = PathOf("result.txt");
    AddCondition("row");
    Window().Create();
    prompter.messages.clear();
    prompter.answers = {platform::MessageAnswer::Yes};
    // At the run's third pump: "中止", confirmed.
    QTimer pumps;
    int pumped = 0;
    QObject::connect(&pumps, &QTimer::timeout, [&pumps, &pumped] {
        if (++pumped < 3)
            return;
        pumps.stop();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* progress = dynamic_cast<CMsgDlg*>(top); progress && progress->isVisible())
                progress->ItemAs<QAbstractButton>(2)->click();
    });
    pumps.start(0);
    Click(1);

    EXPECT_TRUE(Window().LastRun().cancelled);
    ASSERT_EQ(prompter.messages.size(), 2u);  // the question, then the summary
    EXPECT_EQ(prompter.messages[0].icon, platform::MessageIcon::Question);
    const int hits = Window().HitCount();
    EXPECT_GT(hits, 0);
    EXPECT_LT(hits, 1000);
    EXPECT_EQ(prompter.messages[1].text.rfind(SummaryStart(1, hits, Job().ResultFile, 0), 0), 0u);
    std::string expected;
    for (int n = 1; n <= hits; ++n)
        expected += "row" + std::to_string(n) + ",x\r\n";
    EXPECT_EQ(ReadFile(Job().ResultFile), expected);
    ExpectControlsShowTheJob();
}

TEST_F(WholeJob, ADirectoryRunClearsTheFileModeDisplay)
{
    Job().SourceFile = WriteFile("single.txt", "abc\r\n");
    Job().ResultFile = PathOf("out/result.log");
    QDir(folder.path()).mkdir(QStringLiteral("out"));
    QDir(folder.path()).mkdir(QStringLiteral("data"));
    WriteFile("data/one.txt", "abc\r\nxyz\r\n");
    WriteFile("data/two.txt", "zzz\r\nabcd\r\n");
    Job().SearchDir = PathOf("data");
    Job().SearchFile = "*.txt";
    AddCondition("abc");
    Window().Create();
    EXPECT_EQ(Text(1018), "1");
    window->ItemAs<QAbstractButton>(1049)->click();
    prompter.messages.clear();
    Click(1);

    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text.rfind(SummaryStart(2, 2, Job().ResultFile, 0), 0), 0u);
    EXPECT_EQ(ReadFile(Job().ResultFile), "abc\r\nabcd\r\n");
    EXPECT_EQ(Job().SourceFile, "");
    ExpectControlsShowTheJob();
    EXPECT_EQ(Text(1018), "0");
}

}  // namespace
