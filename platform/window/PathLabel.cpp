#include "platform/window/PathLabel.h"

#include <QPainter>

namespace platform {

PathLabel::PathLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

QString PathLabel::ShownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

void PathLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawText(contentsRect(), static_cast<int>(alignment()), ShownText());
}

}  // namespace platform
