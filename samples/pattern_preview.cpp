#include "pattern_preview.h"

BEGIN_MESSAGE_MAP(CPatternPreview, CWnd)
ON_WM_PAINT()
ON_MESSAGE(WM_ERASEBKGND, &CPatternPreview::OnEraseBkgnd)
END_MESSAGE_MAP()

void CPatternPreview::OnPaint() {
    CPaintDC dc(this);
    CBrush brush;
    if (!CreatePatternBrush(brush, m_pattern)) AfxThrowResourceException();
    const CSavedDCState saved(dc);
    // A monochrome pattern brush draws 0 bits in the text colour and 1 bits in the background's.
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkColor(RGB(255, 255, 255));
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
    RECT client{};
    GetClientRect(&client);
    dc.FillRect(client, brush);
}
