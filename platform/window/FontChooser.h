#pragma once
// The font dialog: face, style, size and effects (Qt's own font panel) with a
// list of text colours below.

#include <QDialog>

#include "platform/window/WindowPrompter.h"

class QComboBox;
class QFontDialog;

namespace platform {

class FontChooser : public QDialog {
public:
    FontChooser(QWidget* owner, const FontChoice& initial);

    FontChoice Choice() const;

private:
    QFontDialog* m_fonts;
    QComboBox* m_colors;
};

}  // namespace platform
