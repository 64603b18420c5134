#pragma once
// Makes the Qt widget for one control of a dialog template, with the
// template's text and styles.

#include <QWidget>

#include "resources/Template.h"

class QLineEdit;

namespace platform {

// The new control, a child of parent; its position is set by the caller.
QWidget* CreateControl(const res::Control& control, QWidget* parent);

// The template's edit styles (read-only, digits, alignment, byte limit) on an
// edit, whoever made it.
void ApplyEditStyle(const res::Control& control, QLineEdit& edit);

}  // namespace platform
