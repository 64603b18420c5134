// The window program: loads the settings, shows the main window until the
// user closes it, and saves the settings.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "ui/app/CLodestrelApp.h"

namespace {

// Qt aborts without a word when it cannot reach a display; say what to do instead.
bool DisplayAvailable()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!DisplayAvailable()) {
        std::fputs("lodestrel: no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Start it from a desktop session, or under a virtual X server:\n"
                   "  xvfb-run -a scripts/run\n",
                   stderr);
        return 2;
    }
    QApplication qt(argc, argv);
    CLodestrelApp lodestrel;
    lodestrel.InitInstance();
    return lodestrel.ExitInstance();
}
