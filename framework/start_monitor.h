#pragma once

#include <windows.h>

// The work area of the monitor the program was started from: the one the shell names when it
// starts a program from a taskbar or jump list, else the one of the window that was in front
// when the program started (the shell, a command prompt), else the primary monitor.
RECT AfxGetStartMonitorWorkArea();
