#pragma once

#include <windows.h>

#include "afxwin.h"

// The program's icon, which icon id 0 stands for.
constexpr UINT kProgramIconId = 1000;

// Gives a window its large and small icons from one icon resource of the application's
// resource module, at the sizes Windows asks for at a scale (32 and 16 pixels at 100 %, 48 and
// 24 at 150 %): the window's own, unless one is given, as at a change of scale. Returns the
// result of the second WM_SETICON.
LRESULT SetDialogIcons(CWnd* pWnd, UINT nIconId, UINT dpi = 0);

// The icon resource's image of `size` x `size` pixels (or, without one, its nearest scaled),
// loaded once per id and size and kept for the whole run; null when there is none (which is not
// kept, so a later call tries again).
HICON LoadCachedIcon(UINT nIconId, int size);

// The large icon's size at a scale: what a window draws itself when minimised.
int LargeIconSize(UINT dpi);
