#include "hex_exchange.h"

#include "rop_code.h"

void DDX_Hex(CDataExchange* pDX, int nIDC, DWORD& value) {
    HWND field = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextA(field, FormatRopCode(value).c_str());
        return;
    }
    char text[kRopCodeTextLimit + 1] = "";
    ::GetWindowTextA(field, text, sizeof text);
    const ParsedRopCode parsed = ParseRopCode(text);
    value = parsed.value;
    if (!parsed.ok) {
        AfxMessageBox(AFX_IDP_PARSE_INT, MB_ICONEXCLAMATION | MB_OK);
        pDX->Fail();
    }
}

void DDV_MinMaxHex(CDataExchange* pDX, DWORD value, DWORD minimum, DWORD maximum) {
    if (value >= minimum && value <= maximum) return;
    CString prompt;
    AfxFormatString2(prompt, AFX_IDP_PARSE_INT_RANGE, FormatRopCodeBound(minimum).c_str(),
                     FormatRopCodeBound(maximum).c_str());
    AfxMessageBox(prompt, MB_ICONEXCLAMATION | MB_OK);
    pDX->Fail();
}
