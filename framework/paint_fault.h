#pragma once

#include <windows.h>

// A fault while a window paints (a brush that cannot be made when GDI has no handles left) is
// never shown at once: a message box runs its own message loop, which paints again and can stack
// box on box. The window draws a plain fallback instead, and the fault is reported after painting,
// posted, and only once in the window's life, so a shortage that lasts cannot bring up box after
// box.

// The messages during which a box must not open.
bool AfxIsPaintMessage(UINT message);

// Call inside a catch block, for the exception being handled during `message`: draws the
// fallback and posts the report to the window.
void AfxDeferPaintFault(HWND hWnd, UINT message, LPARAM lParam);

// The posted message that carries the report; the window's handler calls
// AfxReportDeferredPaintFault.
UINT AfxPaintFaultMessage();
void AfxReportDeferredPaintFault(HWND hWnd);
// The window is going: what it kept of its faults goes with it.
void AfxForgetPaintFaults(HWND hWnd);
