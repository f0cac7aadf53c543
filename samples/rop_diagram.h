#pragma once

#include <cstdint>
#include <memory>

#include "afxwin.h"
#include "rop_diagram_layout.h"

// The notification code of the WM_COMMAND the diagram sends its parent when the user asks to
// toggle the result of FocusedRow() (a click on a row's area, or Space). Above the static
// controls' own codes (STN_*).
constexpr WORD kRopDiagramToggle = 0x0400;

// The code as a clickable diagram: a static control of a template taken over (SubclassDlgItem)
// that shows an operation index as a Venn diagram of P, S and D, or as a Karnaugh map. It never
// changes the code itself: a click or Space sends its parent
// WM_COMMAND(MAKEWPARAM(id, kRopDiagramToggle), hwnd), and the parent shows the new index.
// Arrows, Home and End move the focus among the rows; the window text names the focused row
// for screen readers ("Row 6: P 1, S 0, D 1, result 1").
class CRopDiagram : public CWnd {
public:
    // Shows the index; nothing is repainted when it is the one shown already. Call it once the
    // control is taken over, which also gives the control its text.
    void ShowIndex(std::uint8_t index);
    std::uint8_t Index() const { return m_index; }
    void SetKarnaughMap(bool karnaugh);
    bool IsKarnaughMap() const { return m_view == RopDiagramLayout::View::kKarnaugh; }
    // 1 to 8.
    int FocusedRow() const { return m_focusedRow; }
    // A point inside the row's area at the control's present size, clear of outlines and text.
    POINT RowPoint(int row) const;

protected:
    void OnPaint();
    LRESULT OnEraseBackground(WPARAM, LPARAM) { return TRUE; }
    LRESULT OnGetDlgCode(WPARAM, LPARAM) { return Default() | DLGC_WANTARROWS | DLGC_WANTCHARS; }
    LRESULT OnMouseDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnChar(WPARAM wParam, LPARAM lParam);
    LRESULT OnFocusChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnEnable(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    const RopDiagramLayout& Layout() const;
    HFONT Font() const;
    // Never without a window: InvalidateRect of no window repaints every window.
    void Repaint() const {
        if (m_hWnd) InvalidateRect(nullptr, FALSE);
    }
    void TakeFocus();
    void MoveFocusTo(int row);
    void RequestToggle() const;
    void UpdateText();

    std::uint8_t m_index = 0;
    RopDiagramLayout::View m_view = RopDiagramLayout::View::kVenn;
    int m_focusedRow = 1;
    bool m_textSet = false;
    CString m_text;
    mutable std::unique_ptr<RopDiagramLayout> m_layout;
    CBitmap m_canvas;
    SIZE m_canvasSize{};
};
