#pragma once

#include "afxwin.h"

// The program's icon on the main window at the window's scale: the title bar's and the task
// bar's, and the one the window draws in its client area while minimised (where a system shows
// the minimised window itself rather than a task-bar button).
class CWindowIcon {
public:
    CWindowIcon();

    void SetForScale(CWnd& window, UINT dpi);
    // Draws the icon centred in the client area of a minimised window; FALSE, drawing nothing,
    // when the window is not minimised.
    BOOL PaintMinimised(CWnd& window) const;

    HICON m_hIcon;
};
