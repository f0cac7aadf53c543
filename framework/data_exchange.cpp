#include "data_exchange.h"

#include <vector>

#include "dialog.h"
#include "exceptions.h"
#include "wnd.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (!control) AfxThrowResourceException();
    m_idLastControl = static_cast<UINT>(nIDC);
    m_bEditLastControl = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND control = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_idLastControl != 0) {
        HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, static_cast<int>(m_idLastControl));
        AfxGotoDlgCtrl(control);
        if (m_bEditLastControl) ::SendMessageA(control, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& control) {
    if (control.m_hWnd) return;
    control.Attach(pDX->PrepareCtrl(nIDC));
    if (auto* dialog = dynamic_cast<CDialog*>(pDX->m_pDlgWnd))
        dialog->RegisterAttachedControl(&control);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CStringW& value) {
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextW(control, value);
        return;
    }
    std::vector<wchar_t> text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
    const int copied = ::GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
    value = CStringW(text.data(), copied > 0 ? copied : 0);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = CWnd::FromHandle(control)->GetWindowText();
    else
        ::SetWindowTextA(control, value);
}
