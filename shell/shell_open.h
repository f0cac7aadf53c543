#pragma once

#include <windows.h>

#include "afxwin.h"

struct ShellOpenOutcome {
    bool opened = false;
    // The user said no to a question on the way (a prompt of the system's): nothing to report.
    bool cancelled = false;
    // Otherwise what failed, as ShellExecute numbers it (0 to 32).
    INT_PTR error = 0;
};

// Opens a file or web address with its default action, owned by pOwner (without one, the
// application's main window). The shell shows no error box of its own, so the caller's is the
// only one. COM is the calling thread's to set up, once, as the application does at its start.
ShellOpenOutcome ShellOpen(CWnd* pOwner, LPCSTR lpszFile);
