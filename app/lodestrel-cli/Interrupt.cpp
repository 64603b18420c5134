// The interrupt request, set from the signal handler.

#include "app/lodestrel-cli/Interrupt.h"

#include <signal.h>

namespace {

volatile sig_atomic_t g_requested = 0;

void OnInterrupt(int)
{
    g_requested = 1;
}

}  // namespace

void InstallInterruptHandlers()
{
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool InterruptRequested()
{
    return g_requested != 0;
}
