#include "platform/window/WaitCursor.h"

#include <QApplication>
#include <QWidget>

namespace platform {

WaitCursor::WaitCursor(QWidget* capture) : m_capture(capture)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (m_capture)
        m_capture->grabMouse();
}

WaitCursor::~WaitCursor()
{
    if (m_capture)
        m_capture->releaseMouse();
    QApplication::restoreOverrideCursor();
}

}  // namespace platform
