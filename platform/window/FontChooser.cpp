#include "platform/window/FontChooser.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform {
namespace {

struct NamedColor {
    const char* name;
    QRgb rgb;
};

// The sixteen basic colours of the colour list.
constexpr NamedColor kColors[] = {
    {"黒", 0x000000},   {"栗色", 0x800000}, {"緑", 0x008000},   {"オリーブ", 0x808000},
    {"紺", 0x000080},   {"紫", 0x800080},   {"緑青", 0x008080}, {"灰色", 0x808080},
    {"銀色", 0xC0C0C0}, {"赤", 0xFF0000},   {"黄緑", 0x00FF00}, {"黄", 0xFFFF00},
    {"青", 0x0000FF},   {"赤紫", 0xFF00FF}, {"水色", 0x00FFFF}, {"白", 0xFFFFFF},
};

QIcon Swatch(const QColor& color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(color);
    return QIcon(pixmap);
}

}  // namespace

FontChooser::FontChooser(QWidget* owner, const FontChoice& initial)
    : QDialog(owner), m_fonts(new QFontDialog(initial.font, this)), m_colors(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("フォント"));
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fonts->setWindowFlags(Qt::Widget);
    m_fonts->setCurrentFont(initial.font);

    for (const NamedColor& color : kColors)
        m_colors->addItem(Swatch(QColor(color.rgb)), QString::fromUtf8(color.name), QColor(color.rgb));
    const QColor wanted = initial.color.isValid() ? QColor(initial.color.rgb()) : QColor(Qt::black);
    int current = m_colors->findData(wanted);
    if (current < 0) {
        m_colors->addItem(Swatch(wanted), QStringLiteral("カスタム"), wanted);
        current = m_colors->count() - 1;
    }
    m_colors->setCurrentIndex(current);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colorRow = new QFormLayout;
    colorRow->addRow(QStringLiteral("色(&C):"), m_colors);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

FontChoice FontChooser::Choice() const
{
    return {m_fonts->currentFont(), m_colors->currentData().value<QColor>()};
}

}  // namespace platform
