#include "status_line.h"

#include "resource.h"

void ShowStatus(CWnd& dialog, const std::string& text) {
    HWND status = ::GetDlgItem(dialog.m_hWnd, IDC_EXPRESSION_STATUS);
    if (!status) return;
    ::SetWindowTextA(status, text.c_str());
    if (!text.empty())
        ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, status, OBJID_CLIENT, CHILDID_SELF);
}
