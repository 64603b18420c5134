#include "ui/main/WindowBusyIndicator.h"

#include <QWidget>

void WindowBusyIndicator::Begin()
{
    // Only a visible window can hold the mouse; at start-up the survey runs before the window shows.
    m_cursor = std::make_unique<platform::WaitCursor>(m_window.isVisible() ? &m_window : nullptr);
}

void WindowBusyIndicator::End()
{
    m_cursor.reset();
}
