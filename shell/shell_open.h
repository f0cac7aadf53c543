#pragma once

#include <windows.h>

#include "afxwin.h"

// Opens a file or web address with its default action. Without an owner the application's main
// window owns the launch. The result is above 32 on success, else the error number (0 to 32).
HINSTANCE ShellOpen(CWnd* pOwner, LPCSTR lpszFile);
