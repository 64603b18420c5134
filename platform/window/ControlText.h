#pragma once
// The text of any control (edit, button, label, group box, window caption) as
// code page 932 bytes: the conversion between the program's text and Qt's
// happens here and nowhere else.

#include <QWidget>

#include <optional>
#include <string>
#include <string_view>

namespace platform {

void SetControlText(QWidget& control, std::string_view cp932);

// nullopt when the user typed a character that has no code page 932 form.
std::optional<std::string> ControlText(const QWidget& control);

// The text as Qt holds it, for the kinds of controls the templates make.
QString WidgetText(const QWidget& control);
void SetWidgetText(QWidget& control, const QString& text);

}  // namespace platform
