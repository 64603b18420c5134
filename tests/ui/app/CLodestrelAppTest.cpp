// The application: the settings are loaded before the main window shows and
// saved however it is closed; at the end the conditions are deleted and the
// temporary help copy removed; the Help menu opens the help file.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include "platform/window/MenuBar.h"
#include "tests/platform/window/support/ScriptedPrompter.h"
#include "ui/app/CLodestrelApp.h"

namespace {

using testing_support::Cp932;

class Application : public testing::Test {
protected:
    Application() { qputenv("XDG_CONFIG_HOME", folder.path().toUtf8()); }
    ~Application() override { qunsetenv("XDG_CONFIG_HOME"); }

    std::filesystem::path StoreFile() const { return folder.filePath(QStringLiteral("store.db")).toStdString(); }

    QTemporaryDir folder;
    testing_support::ScriptedPrompter prompter;
    platform::ScopedPrompter scoped{prompter};
};

struct CloseCase {
    const char* name;
    std::function<void(CLodestrelDlg&)> close;
};

class ClosingTheMainWindow : public Application, public testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingTheMainWindow, SavesWhatTheControlsLastShowed)
{
    {
        JobSettings stored;
        stored.UppChk = 0;
        SearchList conditions;
        auto condition = std::make_unique<CSearchInf>();
        condition->SearchString = "stored";
        conditions.Append(std::move(condition));
        CRegStore(StoreFile()).Save(stored, conditions);
    }
    CLodestrelApp app(StoreFile());
    bool loadedBeforeShown = false;
    QTimer::singleShot(0, [&app, &loadedBeforeShown] {
        CLodestrelDlg& window = app.MainWindow();
        loadedBeforeShown = window.Job().UppChk == 0 && window.Conditions().Count() == 1;
        window.SetItemText(1011, "*.csv");
        window.ItemAs<QAbstractButton>(1124)->click();
        GetParam().close(window);
    });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_TRUE(loadedBeforeShown);

    JobSettings saved;
    SearchList conditions;
    CRegStore(StoreFile()).Load(saved, conditions);
    EXPECT_EQ(saved.SearchFile, "*.csv");
    EXPECT_EQ(saved.FindBreak, 1);
    EXPECT_EQ(saved.UppChk, 0);
    ASSERT_EQ(conditions.Count(), 1);
    EXPECT_EQ(conditions.At(0).SearchString, "stored");
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_EQ(app.MainWindow().Conditions().Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, ClosingTheMainWindow,
    testing::Values(CloseCase{"CloseButton", [](CLodestrelDlg& w) { w.ItemAs<QAbstractButton>(2)->click(); }},
                    CloseCase{"Escape", [](CLodestrelDlg& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
                    CloseCase{"CloseBox", [](CLodestrelDlg& w) { w.close(); }},
                    CloseCase{"ExitMenuItem", [](CLodestrelDlg& w) { w.Menu()->Item(57665)->trigger(); }}),
    [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

TEST_F(Application, ExitRemovesTheTemporaryHelpCopyAndIgnoresOneThatIsNotThere)
{
    CLodestrelApp app(StoreFile());
    const QString copy = app.Help().TemporaryCopy();
    QFile::remove(copy);
    EXPECT_EQ(app.ExitInstance(), 0);
    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_FALSE(QFile::exists(copy));
}

TEST_F(Application, TheHelpMenuItemOpensTheHelpFileOfTheCurrentDirectory)
{
    QFile help(folder.filePath(QStringLiteral("Lodestrel.html")));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    CLodestrelApp app(StoreFile());
    std::vector<std::string> opened;
    app.Help().SetOpener([&opened](std::string_view path) {
        opened.emplace_back(path);
        return platform::OpenResult::Opened;
    });
    app.MainWindow().Create();
    app.MainWindow().Menu()->Item(57670)->trigger();
    QDir::setCurrent(before);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QFileInfo(help).absoluteFilePath().toStdString());
    EXPECT_TRUE(prompter.messages.empty());
    app.MainWindow().EndDialog(2);
}

}  // namespace
