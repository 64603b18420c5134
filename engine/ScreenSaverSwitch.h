#pragma once
// The switch a run turns the display's idle time-outs off with while it works,
// and back to the values they had when the program started. CScreenSave is the
// real one; tests record the calls.

class ScreenSaverSwitch {
public:
    virtual ~ScreenSaverSwitch() = default;
    // Sets every time-out to 0.
    virtual void SwitchOff() = 0;
    // Writes back the time-outs captured at program start.
    virtual void Restore() = 0;
};
