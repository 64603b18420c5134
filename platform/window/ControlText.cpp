#include "platform/window/ControlText.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/window/EditedText.h"

namespace platform {
namespace {

// The bytes a control's text was last set from.
constexpr char kBytesProperty[] = "lodestrel.cp932";

}  // namespace

QString WidgetText(const QWidget& control)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(&control))
        return edit->text();
    if (auto* edit = qobject_cast<const QPlainTextEdit*>(&control))
        return edit->toPlainText();
    if (auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (auto* box = qobject_cast<const QGroupBox*>(&control))
        return box->title();
    return control.windowTitle();
}

void SetWidgetText(QWidget& control, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(&control))
        edit->setText(text);
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(&control))
        edit->setPlainText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(&control))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(&control))
        label->setText(text);
    else if (auto* box = qobject_cast<QGroupBox*>(&control))
        box->setTitle(text);
    else
        control.setWindowTitle(text);
}

void SetControlText(QWidget& control, std::string_view cp932)
{
    control.setProperty(kBytesProperty, QByteArray(cp932.data(), static_cast<qsizetype>(cp932.size())));
    SetWidgetText(control, ShownText(cp932));
}

std::optional<std::string> ControlText(const QWidget& control)
{
    const QByteArray original = control.property(kBytesProperty).toByteArray();
    return EditedBytes(std::string_view(original.constData(), static_cast<std::size_t>(original.size())),
                       WidgetText(control));
}

}  // namespace platform
