#include "platform/system/ScreenTimeouts.h"

#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>

namespace platform {
namespace {

int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// An open connection to the X server named by DISPLAY, closed on scope exit.
// A request the server refuses is ignored instead of ending the process, as
// Xlib's default error handler would.
class XConnection {
public:
    XConnection() : m_display(XOpenDisplay(nullptr)), m_oldHandler(XSetErrorHandler(IgnoreXError)) {}
    ~XConnection()
    {
        if (m_display)
            XCloseDisplay(m_display);
        XSetErrorHandler(m_oldHandler);
    }
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    Display* get() const { return m_display; }
    bool HasDpms() const
    {
        int event = 0, error = 0;
        return DPMSQueryExtension(m_display, &event, &error) && DPMSCapable(m_display);
    }

private:
    Display* m_display;
    XErrorHandler m_oldHandler;
};

}  // namespace

std::optional<ScreenTimeouts> ReadScreenTimeouts()
{
    XConnection x;
    if (!x.get())
        return std::nullopt;
    ScreenTimeouts timeouts;
    int interval = 0, blanking = 0, exposures = 0;
    XGetScreenSaver(x.get(), &timeouts.screenSaver, &interval, &blanking, &exposures);
    if (x.HasDpms()) {
        CARD16 standby = 0, suspend = 0, off = 0;
        DPMSGetTimeouts(x.get(), &standby, &suspend, &off);
        timeouts.standby = standby;
        timeouts.suspend = suspend;
        timeouts.off = off;
    }
    return timeouts;
}

bool WriteScreenTimeouts(const ScreenTimeouts& timeouts)
{
    XConnection x;
    if (!x.get())
        return false;
    int current = 0, interval = 0, blanking = 0, exposures = 0;
    XGetScreenSaver(x.get(), &current, &interval, &blanking, &exposures);
    XSetScreenSaver(x.get(), timeouts.screenSaver, interval, blanking, exposures);
    if (x.HasDpms())
        DPMSSetTimeouts(x.get(), timeouts.standby, timeouts.suspend, timeouts.off);
    XSync(x.get(), False);
    return true;
}

}  // namespace platform
