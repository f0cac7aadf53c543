#include "controls.h"

BEGIN_MESSAGE_MAP(CComboBox, CWnd)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CEdit, CWnd)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CButton, CWnd)
END_MESSAGE_MAP()

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM) return FALSE;
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *pResult = TRUE;
    return TRUE;
}
