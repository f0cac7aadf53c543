#pragma once

#include <windows.h>

#include "cstring.h"

// The message box that AfxReportWindowProcException shows for an exception, kept to be shown
// later: a fault while a window paints is told once painting is over, when the exception itself
// is long gone. Only what the box needs is kept.
class CExceptionReport {
public:
    // For the exception being handled: call it only inside a catch block. A shortage of memory
    // is kept without taking any; for another fault, no memory for its message raises
    // std::bad_alloc.
    static CExceptionReport OfCurrentException();

    // Shows the box (none for a CUserException, whose user has been told already).
    void Show() const;

private:
    UINT m_type = 0;       // the box's buttons and icon; 0 shows none
    UINT m_messageId = 0;  // the box's text when the exception has no message of its own
    CString m_message;
};
