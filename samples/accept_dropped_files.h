#pragma once

#include <windows.h>

// The window takes files dropped from Explorer (WM_DROPFILES), also while the program runs as
// administrator: Explorer runs at a lower integrity level, and the system would otherwise block
// the drop's messages on their way in.
void AcceptDroppedFiles(HWND window);
