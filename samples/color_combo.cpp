#include "color_combo.h"

void CColorCombo::AddColors() {
    for (const COLORREF color : kColorComboPalette) {
        const int index = AddString("");
        if (index < 0) AfxThrowMemoryException();
        if (SetItemData(index, color) < 0) AfxThrowMemoryException();
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
    const CBrush frame(::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    dc.FillRect(rect, frame);

    ::InflateRect(&rect, -6, -3);
    const CBrush bar(static_cast<COLORREF>(item.itemData));
    dc.FillRect(rect, bar);
}
