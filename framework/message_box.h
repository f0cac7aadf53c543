#pragma once

#include <windows.h>

// A message box with the application title as caption, owned by the application's active
// window. Without an icon in nType an OK-style box gets the exclamation icon.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = UINT(-1));
