#include "platform/window/Dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "platform/window/Cp932Validator.h"
#include "platform/window/DialogUnits.h"
#include "platform/window/MenuBar.h"
#include "platform/window/PathLabel.h"
#include "resources/Resources.h"
#include "tests/platform/window/support/ScriptedPrompter.h"

namespace {

class TemplateDialog : public platform::Dialog {
public:
    using platform::Dialog::Dialog;
    using platform::Dialog::SetCustomControl;
};

// The widget class each kind of control becomes.
bool IsOfKind(const QWidget* widget, const res::Control& control)
{
    switch (control.kind) {
    case res::Kind::PushButton:
    case res::Kind::DefPushButton:
        return qobject_cast<const QPushButton*>(widget);
    case res::Kind::CheckBox:
        return qobject_cast<const QCheckBox*>(widget);
    case res::Kind::Radio:
        return qobject_cast<const QRadioButton*>(widget);
    case res::Kind::Edit:
        return control.style & res::MultiLine ? qobject_cast<const QPlainTextEdit*>(widget) != nullptr
                                              : qobject_cast<const QLineEdit*>(widget) != nullptr;
    case res::Kind::Label:
    case res::Kind::Icon:
        return qobject_cast<const QLabel*>(widget);
    case res::Kind::GroupBox:
        return qobject_cast<const QGroupBox*>(widget);
    case res::Kind::ListView:
        return qobject_cast<const QTreeWidget*>(widget);
    case res::Kind::ListBox:
        return qobject_cast<const QListWidget*>(widget);
    case res::Kind::ProgressBar:
        return qobject_cast<const QProgressBar*>(widget);
    case res::Kind::Rule:
    case res::Kind::Custom:
        return widget != nullptr;
    }
    return false;
}

TEST(DialogTemplate, EveryTemplateBuildsWithItsControlsAtTheConvertedPositions)
{
    for (const res::DialogTemplate* tmpl : res::AllDialogs()) {
        SCOPED_TRACE(tmpl->id);
        TemplateDialog dialog(tmpl->id);
        dialog.Create();
        const platform::DialogUnits& units = dialog.Units();
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(tmpl->caption));
        for (const res::Control& control : tmpl->controls) {
            if (control.id == res::kNoId)
                continue;
            SCOPED_TRACE(control.id);
            const QWidget* widget = dialog.Item(control.id);
            ASSERT_NE(widget, nullptr);
            EXPECT_TRUE(IsOfKind(widget, control));
            EXPECT_EQ(widget->geometry(), units.ToPixels(control.x, control.y, control.cx, control.cy));
        }
        const QWidget* client = dialog.Item(dialog.ItemIds().front())->parentWidget();
        EXPECT_EQ(client->size(), units.ToPixels(tmpl->cx, tmpl->cy));
        EXPECT_EQ(client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
                  static_cast<qsizetype>(tmpl->controls.size()));
        EXPECT_EQ(dialog.Menu() != nullptr, tmpl->menuId != 0);
    }
}

TEST(DialogTemplate, TheDialogFontGivesSensibleBaseUnits)
{
    TemplateDialog dialog(res::kMainDialog);
    EXPECT_GE(dialog.Units().BaseX(), 5);
    EXPECT_LE(dialog.Units().BaseX(), 8);
    EXPECT_GE(dialog.Units().BaseY(), 11);
    EXPECT_LE(dialog.Units().BaseY(), 17);
}

TEST(DialogTemplate, TabOrderFollowsTheTable)
{
    TemplateDialog dialog(res::kConditionFileMode);
    dialog.Create();
    const std::vector<int> expected = {1065, 1066, 1, 2};
    QWidget* widget = dialog.Item(1065);
    for (std::size_t i = 1; i < expected.size(); ++i) {
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus)
            widget = widget->nextInFocusChain();
        EXPECT_EQ(widget, dialog.Item(expected[i])) << i;
    }
}

TEST(DialogTemplate, RadioGroupsRunFromAGroupStartToTheNextAndCountFromZero)
{
    TemplateDialog dialog(res::kMainDialog);
    dialog.Create();
    const std::vector<std::vector<int>> groups = {
        {1042, 1049}, {1040, 1043, 1046, 1052, 1041}, {1044, 1045}, {1060, 1063, 1061}};
    for (const auto& group : groups) {
        QButtonGroup* buttons = dialog.RadioGroup(group.front());
        ASSERT_NE(buttons, nullptr);
        EXPECT_EQ(buttons->buttons().size(), static_cast<qsizetype>(group.size()));
        for (std::size_t i = 0; i < group.size(); ++i)
            EXPECT_EQ(buttons->id(dialog.ItemAs<QAbstractButton>(group[i])), static_cast<int>(i)) << group[i];
    }
    dialog.SetCheck(1043, 1);
    dialog.SetCheck(1041, 1);
    EXPECT_EQ(dialog.IsChecked(1043), 0);  // one radio per group
    EXPECT_EQ(dialog.IsChecked(1044), 0);  // other groups untouched
}

TEST(DialogTemplate, ControlStylesBecomeWidgetSettings)
{
    TemplateDialog main(res::kMainDialog);
    main.Create();
    EXPECT_TRUE(main.ItemAs<QLineEdit>(1018)->isReadOnly());
    EXPECT_TRUE(main.ItemAs<QLineEdit>(1018)->alignment() & Qt::AlignRight);
    EXPECT_FALSE(main.ItemAs<QLineEdit>(1008)->isReadOnly());
    EXPECT_TRUE(main.ItemAs<QLineEdit>(1008)->acceptDrops());
    EXPECT_EQ(dynamic_cast<const platform::Cp932Validator*>(main.ItemAs<QLineEdit>(1032)->validator())->ByteLimit(), 1);
    EXPECT_EQ(main.ItemAs<QTreeWidget>(1067)->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_FALSE(main.ItemAs<QPushButton>(1)->isDefault());

    TemplateDialog select(res::kConditionFileSelect);
    select.Create();
    auto* list = select.ItemAs<QListWidget>(1037);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_TRUE(select.ItemAs<QPushButton>(1)->isDefault());

    TemplateDialog fields(res::kFieldSelector);
    fields.Create();
    EXPECT_EQ(fields.ItemAs<QListWidget>(1037)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    TemplateDialog about(res::kAboutDialog);
    about.Create();
    EXPECT_TRUE(about.ItemAs<QPlainTextEdit>(1036)->isReadOnly());

    TemplateDialog progress(res::kProgressDialog);
    EXPECT_FALSE(progress.windowFlags() & Qt::WindowCloseButtonHint);
    progress.Create();
    EXPECT_NE(dynamic_cast<platform::PathLabel*>(progress.Item(1099)), nullptr);
}

TEST(DialogTemplate, OnlyTheSampleDialogCanBeResized)
{
    for (const res::DialogTemplate* tmpl : res::AllDialogs()) {
        TemplateDialog dialog(tmpl->id);
        dialog.Create();
        const bool fixed = dialog.minimumSize() == dialog.maximumSize();
        EXPECT_EQ(fixed, tmpl->id != res::kSampleCodeDialog) << tmpl->id;
    }
}

TEST(DialogTemplate, ACustomControlTakesThePlaceAndTabPositionOfItsTemplateControl)
{
    TemplateDialog dialog(res::kSampleCodeDialog);
    QWidget grid;
    grid.setFocusPolicy(Qt::StrongFocus);
    dialog.SetCustomControl(1001, grid);
    dialog.Create();
    EXPECT_EQ(dialog.Item(1001), &grid);
    EXPECT_EQ(grid.geometry(), dialog.Units().ToPixels(3, 5, 357, 160));
    EXPECT_EQ(dialog.focusWidget(), &grid);
}

TEST(DialogTemplate, TheMenuBarHoldsEveryItemOfItsMenu)
{
    TemplateDialog dialog(res::kMainDialog);
    dialog.Create();
    for (const res::MenuLine& line : res::FindMenu(res::kMainMenu)->lines) {
        if (line.entry == res::MenuEntry::Item) {
            EXPECT_NE(dialog.Menu()->Item(line.id), nullptr) << line.id;
        }
    }
    EXPECT_EQ(dialog.Menu()->actions().size(), 4);
    dialog.SetMenuCheck(1007, true);
    EXPECT_TRUE(dialog.IsMenuChecked(1007));
    dialog.SetMenuCheck(1007, false);
    EXPECT_FALSE(dialog.IsMenuChecked(1007));
    EXPECT_FALSE(dialog.Menu()->Item(1007)->isCheckable());
}

}  // namespace
