#pragma once
// The display's idle time-outs: the screen saver and, where the X server has
// the DPMS extension, the three power-saving stages. A time-out of 0 means the
// stage never starts. Without an X display nothing is read or changed.

#include <optional>

namespace platform {

struct ScreenTimeouts {
    int screenSaver = 0;  // seconds until the screen saver starts
    int standby = 0;      // DPMS stages, in seconds; all 0 when the server lacks DPMS
    int suspend = 0;
    int off = 0;
};

// nullopt when there is no X display to ask.
std::optional<ScreenTimeouts> ReadScreenTimeouts();

// Sets the time-outs (the other screen-saver settings are kept). False when
// there is no X display.
bool WriteScreenTimeouts(const ScreenTimeouts& timeouts);

}  // namespace platform
