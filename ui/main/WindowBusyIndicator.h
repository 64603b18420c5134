#pragma once
// The busy indicator of the window program: between Begin and End the wait
// cursor shows and the window holds the mouse, while the survey or the
// directory walk runs without handling input.

#include <memory>

#include "engine/BusyIndicator.h"
#include "platform/window/WaitCursor.h"

class QWidget;

class WindowBusyIndicator : public BusyIndicator {
public:
    explicit WindowBusyIndicator(QWidget& window) : m_window(window) {}

    void Begin() override;
    void End() override;

private:
    QWidget& m_window;
    std::unique_ptr<platform::WaitCursor> m_cursor;
};
