#pragma once

#include <windows.h>

#include "cstring.h"

// Framework exceptions carry their own user-visible message. They are thrown by value and caught
// by reference; none may leave a window procedure (see AfxReportWindowProcException).
class CException {
public:
    virtual ~CException() = default;
    // FALSE when the exception has no message of its own.
    virtual BOOL GetErrorMessage(CString& message) const;
    // Shows the message (or "No error message is available.") in a message box.
    int ReportError(UINT nType = MB_OK, UINT nMessageID = 0) const;
};

class CMemoryException : public CException {
public:
    BOOL GetErrorMessage(CString& message) const override;
};

class CResourceException : public CException {
public:
    BOOL GetErrorMessage(CString& message) const override;
};

// A failed data exchange: the user has already been told, so it carries no message.
class CUserException : public CException {};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowResourceException();
[[noreturn]] void AfxThrowUserException();

// Reports the exception being handled, for a catch (...) at a Win32 callback boundary: memory
// failures with the exclamation icon, system-modal; other failures with the stop icon; a
// CUserException silently. Call it only inside a catch block.
void AfxReportWindowProcException();
