#include "platform/window/Dialog.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/window/MenuBar.h"
#include "resources/Resources.h"

namespace {

// The main window's template with every command recorded.
class RecordingDialog : public platform::Dialog {
public:
    RecordingDialog() : platform::Dialog(res::kMainDialog)
    {
        for (int id : {1, 2, 1012, 1022, 1042, 1121})
            OnCommand(id, [this, id] { commands.push_back(id); });
    }
    std::vector<int> commands;
};

class EndingDialog : public platform::Dialog {
public:
    EndingDialog() : platform::Dialog(res::kConditionFileMode) {}
};

TEST(DialogCommands, AButtonAndTheMenuItemWithItsNumberRunTheSameCommandOnce)
{
    RecordingDialog dialog;
    dialog.Create();
    QTest::mouseClick(dialog.Item(1012), Qt::LeftButton);
    dialog.Menu()->Item(1012)->trigger();
    dialog.Menu()->Item(1022)->trigger();
    QTest::mouseClick(dialog.Item(1042), Qt::LeftButton);
    QTest::mouseClick(dialog.Item(1121), Qt::LeftButton);
    EXPECT_EQ(dialog.commands, (std::vector<int>{1012, 1012, 1022, 1042, 1121}));
}

TEST(DialogCommands, AMenuItemRunsEvenWhenItsButtonIsDisabled)
{
    RecordingDialog dialog;
    dialog.Create();
    dialog.DisableItems({1012});
    EXPECT_FALSE(dialog.IsItemEnabled(1012));
    QTest::mouseClick(dialog.Item(1012), Qt::LeftButton);
    dialog.Menu()->Item(1012)->trigger();
    EXPECT_EQ(dialog.commands, std::vector<int>{1012});
}

TEST(DialogCommands, EnterRunsCommandOneUnlessAPushButtonHasTheFocus)
{
    RecordingDialog dialog;
    dialog.Create();
    dialog.Item(1008)->setFocus();
    QTest::keyClick(dialog.Item(1008), Qt::Key_Return);
    dialog.Item(1121)->setFocus();
    QTest::keyClick(dialog.Item(1121), Qt::Key_Enter, Qt::KeypadModifier);
    dialog.Item(1022)->setFocus();
    QTest::keyClick(dialog.Item(1022), Qt::Key_Return);
    EXPECT_EQ(dialog.commands, (std::vector<int>{1, 1, 1022}));
}

TEST(DialogCommands, EnterDoesNothingWhileButtonOneIsDisabled)
{
    RecordingDialog dialog;
    dialog.Create();
    dialog.DisableItems({1});
    dialog.Item(1008)->setFocus();
    QTest::keyClick(dialog.Item(1008), Qt::Key_Return);
    EXPECT_TRUE(dialog.commands.empty());
}

TEST(DialogCommands, EscapeAndTheCloseBoxRunCommandTwo)
{
    RecordingDialog dialog;
    dialog.Create();
    QTest::keyClick(dialog.Item(1008), Qt::Key_Escape);
    dialog.close();
    EXPECT_EQ(dialog.commands, (std::vector<int>{2, 2}));
    EXPECT_TRUE(dialog.isVisible());  // the handler decides; this one does not end the dialog
}

TEST(DialogCommands, WithoutHandlersOkEndsWithOneAndCancelWithTwo)
{
    EndingDialog ok;
    ok.Create();
    QTest::mouseClick(ok.Item(1), Qt::LeftButton);
    EXPECT_FALSE(ok.isVisible());
    EXPECT_EQ(ok.result(), 1);

    EndingDialog cancel;
    cancel.Create();
    QTest::keyClick(cancel.Item(1065), Qt::Key_Escape);
    EXPECT_FALSE(cancel.isVisible());
    EXPECT_EQ(cancel.result(), 2);
}

TEST(DialogCommands, TheFirstControlInTabOrderHasTheFocusAtFirst)
{
    EndingDialog dialog;
    dialog.Create();
    EXPECT_EQ(dialog.focusWidget(), dialog.Item(1065));
}

TEST(DialogCommands, TheNumbersOfTheControlsComeInTemplateOrder)
{
    EndingDialog dialog;
    dialog.Create();
    EXPECT_EQ(dialog.ItemIds(), (std::vector<int>{1065, 1066, 1, 2}));
}

}  // namespace
