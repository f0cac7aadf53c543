#include "rop_diagram.h"

#include <windowsx.h>

#include <algorithm>

#include "rop_diagram_drawing.h"
#include "rop_truth_table.h"

BEGIN_MESSAGE_MAP(CRopDiagram, CWnd)
ON_WM_PAINT()
ON_MESSAGE(WM_ERASEBKGND, &CRopDiagram::OnEraseBackground)
ON_MESSAGE(WM_GETDLGCODE, &CRopDiagram::OnGetDlgCode)
ON_MESSAGE(WM_LBUTTONDOWN, &CRopDiagram::OnMouseDown)
ON_MESSAGE(WM_LBUTTONDBLCLK, &CRopDiagram::OnMouseDown)
ON_MESSAGE(WM_KEYDOWN, &CRopDiagram::OnKeyDown)
ON_MESSAGE(WM_CHAR, &CRopDiagram::OnChar)
ON_MESSAGE(WM_SETFOCUS, &CRopDiagram::OnFocusChange)
ON_MESSAGE(WM_KILLFOCUS, &CRopDiagram::OnFocusChange)
ON_MESSAGE(WM_SIZE, &CRopDiagram::OnSize)
ON_MESSAGE(WM_SETTEXT, &CRopDiagram::OnSetText)
ON_MESSAGE(WM_ENABLE, &CRopDiagram::OnEnable)
END_MESSAGE_MAP()

void CRopDiagram::ShowIndex(std::uint8_t index) {
    if (index == m_index && m_textSet) return;
    m_index = index;
    UpdateText();
    Repaint();
}

void CRopDiagram::SetKarnaughMap(bool karnaugh) {
    const auto view = karnaugh ? RopDiagramLayout::View::kKarnaugh : RopDiagramLayout::View::kVenn;
    if (view == m_view) return;
    m_view = view;
    Repaint();
}

POINT CRopDiagram::RowPoint(int row) const { return Layout().ProbePoint(std::clamp(row, 1, 8)); }

HFONT CRopDiagram::Font() const {
    const auto font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    return font ? font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

// Made anew only when the size, the font's size or the view has changed since.
const RopDiagramLayout& CRopDiagram::Layout() const {
    RECT client{};
    GetClientRect(&client);
    const SIZE size{client.right, client.bottom};
    SIZE digit{};
    {
        CClientDC screen(nullptr);
        CSavedDCState saved(screen);
        screen.SelectObject(Font());
        ::GetTextExtentPoint32A(screen, "8", 1, &digit);
    }
    if (!m_layout || !m_layout->Fits(m_view, size, digit))
        m_layout = std::make_unique<RopDiagramLayout>(m_view, size, digit);
    return *m_layout;
}

// Drawn into a bitmap kept between paints, then shown in one blit, so nothing flickers.
void CRopDiagram::OnPaint() {
    CPaintDC paint(this);
    const RopDiagramLayout& layout = Layout();
    const SIZE size = layout.Client();
    if (size.cx <= 0 || size.cy <= 0) return;
    if (!m_canvas.GetSafeHandle() || size.cx != m_canvasSize.cx || size.cy != m_canvasSize.cy) {
        if (!m_canvas.CreateCompatibleBitmap(paint, size.cx, size.cy)) AfxThrowResourceException();
        m_canvasSize = size;
    }
    CBitmapDC canvas(m_canvas);
    if (!canvas.Ready()) AfxThrowResourceException();
    const int focusMark = ::GetFocus() == m_hWnd ? m_focusedRow : 0;
    DrawRopDiagram(canvas.Get(), layout, m_index, focusMark, Font());
    paint.BitBlt(0, 0, size.cx, size.cy, &canvas.Get(), 0, 0, SRCCOPY);
}

LRESULT CRopDiagram::OnMouseDown(WPARAM, LPARAM lParam) {
    const int row = Layout().RowAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    TakeFocus();
    if (row) {
        // The text changes once, to the row with its new result, when the parent shows it.
        m_focusedRow = row;
        Repaint();
        RequestToggle();
        UpdateText();
    }
    return 0;
}

LRESULT CRopDiagram::OnKeyDown(WPARAM wParam, LPARAM lParam) {
    switch (wParam) {
        case VK_RIGHT:
        case VK_DOWN:
            MoveFocusTo(std::min(8, m_focusedRow + 1));
            break;
        case VK_LEFT:
        case VK_UP:
            MoveFocusTo(std::max(1, m_focusedRow - 1));
            break;
        case VK_HOME:
            MoveFocusTo(1);
            break;
        case VK_END:
            MoveFocusTo(8);
            break;
        case VK_SPACE:
            // A held key repeats its WM_KEYDOWN (bit 30: the key was down already).
            if (!(lParam & (1L << 30))) RequestToggle();
            break;
        default:
            Default();
    }
    return 0;
}

// Space has toggled on its WM_KEYDOWN already; its character must not do it again.
LRESULT CRopDiagram::OnChar(WPARAM wParam, LPARAM) {
    if (wParam != ' ') Default();
    return 0;
}

LRESULT CRopDiagram::OnFocusChange(WPARAM, LPARAM) {
    UpdateText();
    Repaint();
    Default();
    return 0;
}

LRESULT CRopDiagram::OnSize(WPARAM, LPARAM) {
    Repaint();
    Default();
    return 0;
}

// The static control would draw its text at once; the diagram keeps it for screen readers only.
LRESULT CRopDiagram::OnSetText(WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(m_hWnd, WM_SETTEXT, wParam, lParam);
}

LRESULT CRopDiagram::OnEnable(WPARAM, LPARAM) {
    Repaint();
    return 0;
}

void CRopDiagram::TakeFocus() {
    if (::GetFocus() == m_hWnd) return;
    AfxGotoDlgCtrl(m_hWnd);
    if (::GetFocus() != m_hWnd) ::SetFocus(m_hWnd);
}

void CRopDiagram::MoveFocusTo(int row) {
    if (row == m_focusedRow) return;
    m_focusedRow = row;
    UpdateText();
    Repaint();
}

void CRopDiagram::RequestToggle() const {
    const int id = ::GetDlgCtrlID(m_hWnd);
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND,
                   MAKEWPARAM(static_cast<WORD>(id), kRopDiagramToggle),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

void CRopDiagram::UpdateText() {
    const RopTruthTable::Operands operands = RopTruthTable::RowOperands(m_focusedRow);
    const CString text = AfxFillDigits("Row #: P #, S #, D #, result #",
                                       {m_focusedRow, operands.pattern, operands.source,
                                        operands.destination, (m_index >> (m_focusedRow - 1)) & 1});
    if (!m_hWnd || (m_textSet && m_text == text)) return;
    m_text = text;
    m_textSet = true;
    SetWindowText(text);
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}
