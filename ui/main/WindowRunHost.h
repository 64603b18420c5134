#pragma once
// What the main window gives an extraction run: its message boxes, its busy
// indicator, the screen-saver switch, the progress dialog over the window,
// the window's repaint and its refresh after a directory run.

#include <functional>

#include "engine/ExtractionRun.h"

class QWidget;

class WindowRunHost : public RunHost {
public:
    WindowRunHost(QWidget& window, BusyIndicator& busy, ScreenSaverSwitch& screenSaver,
                  std::function<void()> refreshControls);

    platform::Prompter& GetPrompter() override;
    BusyIndicator& GetBusyIndicator() override { return m_busy; }
    ScreenSaverSwitch& GetScreenSaver() override { return m_screenSaver; }
    std::unique_ptr<ProgressMonitor> OpenProgress(const std::string& message) override;
    void Repaint() override;
    void RefreshControls() override { m_refreshControls(); }

private:
    QWidget& m_window;
    BusyIndicator& m_busy;
    ScreenSaverSwitch& m_screenSaver;
    std::function<void()> m_refreshControls;
};
