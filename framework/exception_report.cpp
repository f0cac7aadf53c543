#include "exception_report.h"

#include <new>

#include "exceptions.h"
#include "framework_ids.h"
#include "message_box.h"

namespace {

constexpr UINT kMemoryReport = MB_ICONEXCLAMATION | MB_SYSTEMMODAL;

// The exception's own message, as CException::ReportError takes it.
void KeepMessage(const CException& e, CString& message) {
    if (!e.GetErrorMessage(message)) message.Empty();
}

}  // namespace

CExceptionReport CExceptionReport::OfCurrentException() {
    CExceptionReport report;
    report.m_messageId = AFX_IDP_NO_ERROR_AVAILABLE;
    try {
        throw;
    } catch (const CUserException&) {
    } catch (const CMemoryException&) {
        report.m_type = kMemoryReport;
        report.m_messageId = AFX_IDP_FAILED_MEMORY_ALLOC;
    } catch (const std::bad_alloc&) {
        report.m_type = kMemoryReport;
        report.m_messageId = AFX_IDP_FAILED_MEMORY_ALLOC;
    } catch (const CException& e) {
        report.m_type = MB_ICONSTOP;
        KeepMessage(e, report.m_message);
    } catch (...) {
        report.m_type = MB_ICONSTOP;
    }
    return report;
}

void CExceptionReport::Show() const {
    if (m_type == 0) return;
    if (m_message.IsEmpty())
        AfxMessageBox(m_messageId, m_type);
    else
        AfxMessageBox(m_message, m_type);
}
