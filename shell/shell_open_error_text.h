#pragma once

#include <windows.h>

#include "afxwin.h"

// What to tell the user when ShellOpen of `file` gave `result` (0 to 32). Most of these numbers
// are also system error numbers with the same meaning, and get the system's text; the others
// (no association, DDE, sharing) are the shell's own and get their own words, which for a web
// address without a browser to open it say just that.
CString GetShellOpenErrorText(INT_PTR result, LPCSTR file);
