#include "ui/main/CToolTipDialog.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>

#include <gtest/gtest.h>

#include "resources/Resources.h"

namespace {

class ToolTipDialog : public CToolTipDialog {
public:
    using CToolTipDialog::CToolTipDialog;
};

// The tooltip that hovering over the control shows; empty when none shows.
QString Hover(QWidget* control)
{
    QToolTip::hideText();
    const QPoint at = control->rect().center();
    QHelpEvent event(QEvent::ToolTip, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &event);
    const QString shown = event.isAccepted() ? QToolTip::text() : QString();
    QToolTip::hideText();
    return shown;
}

TEST(CToolTipDialog, EveryControlWithAStringTableEntryShowsItAndNoOtherShowsATooltip)
{
    for (int dialogId : {res::kMainDialog, res::kConditionEditor, res::kSampleCodeDialog}) {
        ToolTipDialog dialog(dialogId);
        dialog.Create();
        for (int id : dialog.ItemIds()) {
            const auto entry = res::FindString(id);
            const QString expected = entry ? QString::fromUtf8(entry->data(), entry->size()) : QString();
            EXPECT_EQ(dialog.Item(id)->toolTip(), expected) << dialogId << " " << id;
        }
    }
}

TEST(CToolTipDialog, HoveringOverTheConditionEditorsOkButtonShowsTheTextOfNumberOne)
{
    ToolTipDialog dialog(res::kConditionEditor);
    dialog.Create();
    EXPECT_EQ(Hover(dialog.Item(1)), QStringLiteral("抽出処理を実行します。"));
    EXPECT_EQ(Hover(dialog.Item(1093)), QStringLiteral("!\"#$%&'()*+<-./:;<=>?@[^_`{|}~"));
    EXPECT_EQ(Hover(dialog.Item(1095)), QString());
    EXPECT_EQ(Hover(dialog.Item(2)), QString());
}

TEST(CToolTipDialog, TheSampleDialogHasNoTooltips)
{
    ToolTipDialog dialog(res::kSampleCodeDialog);
    dialog.Create();
    for (int id : dialog.ItemIds())
        EXPECT_EQ(Hover(dialog.Item(id)), QString()) << id;
}

TEST(CToolTipDialog, TooltipTextsAreShownAsPlainText)
{
    for (const res::StringEntry& entry : res::StringTable())
        EXPECT_FALSE(Qt::mightBeRichText(QString::fromUtf8(entry.text))) << entry.id;
}

}  // namespace
