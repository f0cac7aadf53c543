#include "pattern_grid.h"

#include <windowsx.h>

#include <algorithm>

#include "pattern_grid_layout.h"

namespace {

constexpr int kLastCell = 7;
// WM_KEYDOWN's flag for a key that was already down: a held Space toggles once.
constexpr LPARAM kKeyWasDown = 1 << 30;

SIZE ClientSize(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    return {client.right, client.bottom};
}

void FillFrame(CDC& dc, RECT rect, int thickness, HBRUSH brush) {
    for (int i = 0; i < thickness; ++i) {
        ::FrameRect(dc, &rect, brush);
        ::InflateRect(&rect, -1, -1);
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CPatternGrid, CWnd)
ON_WM_PAINT()
ON_MESSAGE(WM_ERASEBKGND, &CPatternGrid::OnEraseBkgnd)
ON_MESSAGE(WM_NCHITTEST, &CPatternGrid::OnNcHitTest)
ON_MESSAGE(WM_GETDLGCODE, &CPatternGrid::OnGetDlgCode)
ON_MESSAGE(WM_LBUTTONDOWN, &CPatternGrid::OnLButtonDown)
// The static class sends a quick second click as a double click: it toggles all the same.
ON_MESSAGE(WM_LBUTTONDBLCLK, &CPatternGrid::OnLButtonDown)
ON_MESSAGE(WM_KEYDOWN, &CPatternGrid::OnKeyDown)
ON_MESSAGE(WM_SETFOCUS, &CPatternGrid::OnFocusChange)
ON_MESSAGE(WM_KILLFOCUS, &CPatternGrid::OnFocusChange)
ON_MESSAGE(WM_SETTEXT, &CPatternGrid::OnSetText)
END_MESSAGE_MAP()

void CPatternGrid::SetPattern(const BrushPattern& pattern) {
    m_pattern = pattern;
    if (!m_hWnd) return;
    InvalidateRect(nullptr, FALSE);
    UpdateName();
}

// Drawn whole into a bitmap and shown in one blit, so a key held down does not flicker.
void CPatternGrid::OnPaint() {
    CPaintDC dc(this);
    const SIZE size = ClientSize(m_hWnd);
    if (size.cx <= 0 || size.cy <= 0) return;
    CBitmap canvas;
    if (!canvas.CreateCompatibleBitmap(dc, size.cx, size.cy)) AfxThrowResourceException();
    CBitmapDC memory(canvas);
    if (!memory.Ready()) AfxThrowResourceException();
    Draw(memory.Get(), size);
    dc.BitBlt(0, 0, size.cx, size.cy, &memory.Get(), 0, 0, SRCCOPY);
}

void CPatternGrid::Draw(CDC& dc, SIZE size) const {
    dc.FillRect({0, 0, size.cx, size.cy}, ::GetSysColorBrush(COLOR_BTNFACE));
    const PatternGridLayout layout(size);
    // The lines show through between the cells.
    dc.FillRect(layout.Grid(), ::GetSysColorBrush(COLOR_BTNSHADOW));
    const auto black = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    const auto white = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    for (int row = 0; row <= kLastCell; ++row) {
        for (int column = 0; column <= kLastCell; ++column)
            dc.FillRect(layout.Cell(row, column),
                        PatternBit(m_pattern, column, row) ? white : black);
    }
    if (HasFocus()) DrawFocusMark(dc, layout.Cell(m_row, m_column));
}

// A frame of the highlight colour with a line of the highlight's text colour inside it, so it
// shows on a black cell and on a white one, in high contrast too.
void CPatternGrid::DrawFocusMark(CDC& dc, RECT cell) const {
    const int thickness = std::max(2, static_cast<int>(cell.right - cell.left) / 6);
    FillFrame(dc, cell, thickness, ::GetSysColorBrush(COLOR_HIGHLIGHT));
    ::InflateRect(&cell, -thickness, -thickness);
    FillFrame(dc, cell, 1, ::GetSysColorBrush(COLOR_HIGHLIGHTTEXT));
}

LRESULT CPatternGrid::OnLButtonDown(WPARAM, LPARAM lParam) {
    if (!HasFocus()) AfxGotoDlgCtrl(m_hWnd);
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    int row = 0, column = 0;
    if (!PatternGridLayout(ClientSize(m_hWnd)).CellAt(point, &row, &column)) return 0;
    m_row = row;
    m_column = column;
    ToggleFocusCell();
    return 0;
}

LRESULT CPatternGrid::OnKeyDown(WPARAM key, LPARAM flags) {
    switch (key) {
        case VK_LEFT:
            MoveFocusCell(0, -1);
            break;
        case VK_RIGHT:
            MoveFocusCell(0, 1);
            break;
        case VK_UP:
            MoveFocusCell(-1, 0);
            break;
        case VK_DOWN:
            MoveFocusCell(1, 0);
            break;
        case VK_SPACE:
            if (!(flags & kKeyWasDown)) ToggleFocusCell();
            break;
        default:
            Default();
    }
    return 0;
}

LRESULT CPatternGrid::OnFocusChange(WPARAM, LPARAM) {
    InvalidateRect(nullptr, FALSE);
    Default();
    return 0;
}

// The text is kept as any window keeps it, but never drawn: the static control would paint it
// over the cells.
LRESULT CPatternGrid::OnSetText(WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(m_hWnd, WM_SETTEXT, wParam, lParam);
}

void CPatternGrid::MoveFocusCell(int rowStep, int columnStep) {
    const int row = std::clamp(m_row + rowStep, 0, kLastCell);
    const int column = std::clamp(m_column + columnStep, 0, kLastCell);
    if (row == m_row && column == m_column) return;
    m_row = row;
    m_column = column;
    InvalidateRect(nullptr, FALSE);
    UpdateName();
}

void CPatternGrid::ToggleFocusCell() {
    m_pattern[static_cast<size_t>(m_row)] ^= static_cast<std::uint8_t>(0x80 >> m_column);
    InvalidateRect(nullptr, FALSE);
    UpdateName();
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND,
                   MAKEWPARAM(::GetDlgCtrlID(m_hWnd), kPatternChanged),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

void CPatternGrid::UpdateName() {
    const CString name =
        AfxFillDigits("Row #, column #: #",
                      {m_row + 1, m_column + 1, PatternBit(m_pattern, m_column, m_row) ? 1 : 0});
    if (GetWindowText() == name) return;
    SetWindowText(name);
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}
