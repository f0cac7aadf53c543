#include "exceptions.h"

#include "exception_report.h"
#include "framework_ids.h"
#include "message_box.h"

BOOL CException::GetErrorMessage(CString& message) const {
    message.Empty();
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID) const {
    CString message;
    if (GetErrorMessage(message) && !message.IsEmpty()) return AfxMessageBox(message, nType);
    return AfxMessageBox(nMessageID ? nMessageID : AFX_IDP_NO_ERROR_AVAILABLE, nType);
}

BOOL CMemoryException::GetErrorMessage(CString& message) const {
    message = AfxLoadString(AFX_IDP_FAILED_MEMORY_ALLOC);
    return TRUE;
}

BOOL CResourceException::GetErrorMessage(CString& message) const {
    message = AfxLoadString(AFX_IDP_RESOURCE_UNAVAILABLE);
    return TRUE;
}

void AfxThrowMemoryException() { throw CMemoryException(); }
void AfxThrowResourceException() { throw CResourceException(); }
void AfxThrowUserException() { throw CUserException(); }

void AfxReportWindowProcException() {
    // Reporting can itself fail (no memory for the box); nothing may escape from here.
    try {
        CExceptionReport::OfCurrentException().Show();
    } catch (...) {
    }
}
