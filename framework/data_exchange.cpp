#include "data_exchange.h"

#include <string>
#include <vector>

#include "dialog.h"
#include "exceptions.h"
#include "framework_ids.h"
#include "message_box.h"
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
    pDX->m_pDlgWnd->RegisterAttachedControl(&control);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

namespace {

bool ReadWholeNumber(const std::string& text, int& value) {
    size_t at = text.find_first_not_of(" \t");
    const size_t end = text.find_last_not_of(" \t");
    if (at == std::string::npos) return false;
    const bool negative = text[at] == '-';
    if (text[at] == '-' || text[at] == '+') ++at;
    if (at > end) return false;
    long long number = 0;
    for (; at <= end; ++at) {
        if (text[at] < '0' || text[at] > '9') return false;
        number = number * 10 + (text[at] - '0');
        if (number > 0x7FFFFFFFLL + negative) return false;
    }
    value = static_cast<int>(negative ? -number : number);
    return true;
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextA(control, std::to_string(value).c_str());
        return;
    }
    int read = 0;
    if (!ReadWholeNumber(CWnd::FromHandle(control)->GetWindowText().GetString(), read)) {
        AfxMessageBox(AFX_IDP_PARSE_INT, MB_ICONEXCLAMATION | MB_OK);
        pDX->Fail();
    }
    value = read;
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minimum, int maximum) {
    if (value >= minimum && value <= maximum) return;
    CString prompt;
    AfxFormatString2(prompt, AFX_IDP_PARSE_INT_RANGE, std::to_string(minimum).c_str(),
                     std::to_string(maximum).c_str());
    AfxMessageBox(prompt, MB_ICONEXCLAMATION | MB_OK);
    pDX->Fail();
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(control, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
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
