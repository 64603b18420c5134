#pragma once
// Ctrl-C (SIGINT) and SIGTERM ask the run to stop, as "中止" answered Yes does
// in the window program: the run sees the request at its next pump. The first
// signal only sets the request; the handler is then reset, so that a second one
// ends the program at once, for when the user does not want to wait.

// Installs the handlers. A blocking read of the terminal is interrupted by the
// signal (no automatic restart), so that a pending question is answered No.
void InstallInterruptHandlers();

bool InterruptRequested();
