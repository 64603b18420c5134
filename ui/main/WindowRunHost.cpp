#include "ui/main/WindowRunHost.h"

#include <QWidget>

#include "platform/window/PaintPending.h"
#include "platform/window/WindowPrompter.h"
#include "ui/dialogs/CMsgDlg.h"

WindowRunHost::WindowRunHost(QWidget& window, BusyIndicator& busy, ScreenSaverSwitch& screenSaver,
                             std::function<void()> refreshControls)
    : m_window(window), m_busy(busy), m_screenSaver(screenSaver), m_refreshControls(std::move(refreshControls))
{
}

platform::Prompter& WindowRunHost::GetPrompter()
{
    return platform::CurrentPrompter();
}

std::unique_ptr<ProgressMonitor> WindowRunHost::OpenProgress(const std::string& message)
{
    auto progress = std::make_unique<CMsgDlg>(&m_window);
    progress->SetMessage(message);
    progress->Create();
    return progress;
}

void WindowRunHost::Repaint()
{
    platform::PaintPending(m_window);
}
