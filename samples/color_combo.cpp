#include "color_combo.h"

void CColorCombo::AddColors() {
    for (size_t i = 0; i < kColorComboPalette.size(); ++i) {
        const int index = AddString(kColorComboNames[i]);
        if (index < 0) AfxThrowMemoryException();
        if (SetItemData(index, kColorComboPalette[i]) < 0) AfxThrowMemoryException();
    }
}

int CColorCombo::SelectColor(COLORREF color) {
    for (int index = GetCount() - 1; index >= 0; --index) {
        if (GetItemData(index) == static_cast<DWORD_PTR>(color)) {
            SetCurSel(index);
            return index;
        }
    }
    return -1;
}

COLORREF CColorCombo::GetSelectedColor() const {
    const int index = GetCurSel();
    if (index < 0) return RGB(0, 0, 0);
    return static_cast<COLORREF>(GetItemData(index));
}

void CColorCombo::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    const DRAWITEMSTRUCT& item = *lpDrawItemStruct;
    if (!(item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) return;
    RECT rect;
    ::CopyRect(&rect, &item.rcItem);
    CDC dc = CDC::FromHandle(item.hDC);

    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const COLORREF around = ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    const CBrush frame(around);
    dc.FillRect(rect, frame);

    const UINT dpi = AfxGetWindowDpi(item.hwndItem);
    ::InflateRect(&rect, -AfxScaleToDpi(6, dpi), -AfxScaleToDpi(3, dpi));
    const auto color = static_cast<COLORREF>(item.itemData);
    const CBrush bar(color);
    dc.FillRect(rect, bar);
    // A bar of the colour around it (white on a white list) would look like no choice at all.
    if (color == around)
        ::FrameRect(dc, &rect,
                    ::GetSysColorBrush(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
}

BOOL CColorCombo::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_MEASUREITEM)
        return CComboBox::OnChildNotify(message, wParam, lParam, pResult);
    reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)->itemHeight =
        static_cast<UINT>(ItemHeight(AfxGetWindowDpi(m_hWnd)));
    *pResult = TRUE;
    return TRUE;
}

int CColorCombo::ItemHeight(UINT dpi) { return AfxScaleToDpi(16, dpi); }

void CColorCombo::SetItemHeights(UINT dpi) {
    const auto height = static_cast<LPARAM>(ItemHeight(dpi));
    SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
    SendMessage(CB_SETITEMHEIGHT, 0, height);
}
