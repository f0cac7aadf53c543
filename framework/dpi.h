#pragma once

#include <windows.h>

// The scale a window is laid out at, in dots per inch (96 at 100 %). Windows before 10 1607 know
// only the system's scale, which is then the answer.
UINT AfxGetWindowDpi(HWND hWnd);

// GetSystemMetrics at a given scale; the system's own metrics where Windows cannot scale them.
int AfxGetSystemMetricsForDpi(int nIndex, UINT dpi);

// A length in pixels at 96 DPI, at this scale.
inline int AfxScaleToDpi(int pixelsAt96, UINT dpi) {
    return ::MulDiv(pixelsAt96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}
