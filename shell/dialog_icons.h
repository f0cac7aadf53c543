#pragma once

#include <windows.h>

#include "afxwin.h"

// The program's icon, which icon id 0 stands for.
constexpr UINT kProgramIconId = 1000;

// Gives a window its large and small icons from one icon resource of the application's
// resource module. Returns the result of the second WM_SETICON.
LRESULT SetDialogIcons(CWnd* pWnd, UINT nIconId);

// The icon of the resource module in the system's large size, loaded once per id and kept for
// the whole run; null when there is none (which is not kept, so a later call tries again).
HICON LoadCachedIcon(UINT nIconId);
