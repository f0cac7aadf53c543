#include "rop_diagram_test_dialog.h"

#include "resource.h"
#include "rop_diagram_test_ids.h"
#include "ui_test.h"

CDiagramDlg::CDiagramDlg() : CDialog(IDD_ROP_DIAGRAM_TEST) {}

bool CDiagramDlg::Open() {
    if (!Create(IDD_ROP_DIAGRAM_TEST) || !m_diagram.m_hWnd) return false;
    ShowWindow(SW_SHOWNORMAL);
    ::SetForegroundWindow(m_hWnd);
    ::UpdateWindow(m_hWnd);
    return PumpUntil([this] { return ::IsWindowVisible(m_hWnd) != FALSE; });
}

void CDiagramDlg::FocusButtonBefore() const {
    ::SetFocus(::GetDlgItem(m_hWnd, IDC_ROP_DIAGRAM_TEST_BEFORE));
}

Pixels CDiagramDlg::Shown(SIZE* size) const {
    ::RedrawWindow(Diagram(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return ReadWindowClient(Diagram(), size);
}

void CDiagramDlg::Click(POINT point) {
    const LPARAM where = MAKELPARAM(point.x, point.y);
    ::SendMessageA(Diagram(), WM_LBUTTONDOWN, MK_LBUTTON, where);
    ::SendMessageA(Diagram(), WM_LBUTTONUP, 0, where);
    PumpMessages();
}

void CDiagramDlg::Press(UINT key, LPARAM flags) {
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, key, 1 | flags);
    ::PostMessageA(::GetFocus(), WM_KEYUP, key, 1 | 0xC0000000);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (::IsDialogMessageA(m_hWnd, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

BOOL CDiagramDlg::OnInitDialog() {
    m_diagram.SubclassDlgItem(IDC_ROP_DIAGRAM, this);
    m_diagram.ShowIndex(0);
    return TRUE;
}

BOOL CDiagramDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != kRopDiagramToggle) return CDialog::OnCommand(wParam, lParam);
    const int row = m_diagram.FocusedRow();
    m_toggledRows.push_back(row);
    m_strangeRequests += LOWORD(wParam) != IDC_ROP_DIAGRAM || lParam != LPARAM(Diagram());
    m_diagram.ShowIndex(static_cast<std::uint8_t>(m_diagram.Index() ^ (1u << (row - 1))));
    return TRUE;
}

COLORREF PixelOf(const Pixels& pixels, SIZE size, POINT point) {
    if (point.x < 0 || point.y < 0 || point.x >= size.cx || point.y >= size.cy) return CLR_INVALID;
    return pixels[static_cast<size_t>(point.y * size.cx + point.x)];
}

std::string WrongFills(CDiagramDlg& dlg, unsigned index) {
    SIZE size{};
    const Pixels pixels = dlg.Shown(&size);
    std::string wrong;
    for (int row = 1; row <= 8; ++row) {
        const bool result = (index >> (row - 1)) & 1;
        const COLORREF fill = ::GetSysColor(result ? COLOR_HIGHLIGHT : COLOR_WINDOW);
        if (PixelOf(pixels, size, dlg.m_diagram.RowPoint(row)) != fill)
            wrong += " " + std::to_string(row) + ":" + std::to_string(index);
    }
    return wrong;
}
