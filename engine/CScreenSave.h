#pragma once
// CScreenSave: the display's idle time-outs (screen saver and power saving) as
// they were when the program started, captured once at construction, so that
// a run can switch them off and Restore can bring back exactly those values.
// Without an X display nothing is captured, switched or restored.

#include <optional>

#include "engine/ScreenSaverSwitch.h"
#include "platform/system/ScreenTimeouts.h"

class CScreenSave : public ScreenSaverSwitch {
public:
    CScreenSave();

    void SwitchOff() override;
    void Restore() override;

    // The captured time-outs; nullopt when there was no display.
    const std::optional<platform::ScreenTimeouts>& Captured() const { return m_captured; }

private:
    std::optional<platform::ScreenTimeouts> m_captured;
};
