#pragma once

#include "afxwin.h"

// What a group of the main window asks of the window about the ROP code it holds: messages sent
// to the window, so a group knows the window only as a window. The window tells every group that
// shows the code when it changes.

// Answers the code a blit uses: the Hex field's while it holds one in range, else the result
// column's.
constexpr UINT WM_APP_GETCODE = WM_APP + 10;
// wParam the code: commit, the code, load, and the result column from it (SRCCOPY, Set).
constexpr UINT WM_APP_SETCODE = WM_APP + 11;

inline DWORD AskWindowCode(const CWnd& window) {
    return static_cast<DWORD>(window.SendMessage(WM_APP_GETCODE));
}

inline void GiveWindowCode(const CWnd& window, DWORD dwRop) {
    window.SendMessage(WM_APP_SETCODE, dwRop);
}
