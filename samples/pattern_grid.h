#pragma once

#include "afxwin.h"
#include "brush_pattern.h"

// An 8 x 8 brush pattern as a grid of cells, black for 0 and white for 1, on a static control of
// a dialog taken over with SubclassDlgItem. A click toggles a cell; the arrow keys move a focus
// cell (stopping at the edges) and Space toggles it, while Tab still moves on. The focus cell is
// marked in the system's highlight colours while the control has the focus. The window text,
// which screen readers speak, is the focus cell: "Row 3, column 5: 1", counted from 1.
// Every change the user makes is told to the parent as WM_COMMAND with kPatternChanged.
class CPatternGrid : public CWnd {
public:
    static constexpr WORD kPatternChanged = 0x0400;

    // Shows the pattern; the parent is not told, it made the change itself.
    void SetPattern(const BrushPattern& pattern);
    const BrushPattern& Pattern() const { return m_pattern; }

protected:
    // Raises CResourceException when there is no bitmap to draw in.
    void OnPaint();
    LRESULT OnEraseBkgnd(WPARAM, LPARAM) { return TRUE; }
    LRESULT OnNcHitTest(WPARAM, LPARAM) { return HTCLIENT; }
    LRESULT OnGetDlgCode(WPARAM, LPARAM) { return Default() | DLGC_WANTARROWS | DLGC_WANTCHARS; }
    LRESULT OnLButtonDown(WPARAM, LPARAM lParam);
    LRESULT OnKeyDown(WPARAM key, LPARAM flags);
    LRESULT OnFocusChange(WPARAM, LPARAM);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void MoveFocusCell(int rowStep, int columnStep);
    void ToggleFocusCell();
    void UpdateName();
    void Draw(CDC& dc, SIZE size) const;
    void DrawFocusMark(CDC& dc, RECT cell) const;
    bool HasFocus() const { return m_hWnd && ::GetFocus() == m_hWnd; }

    BrushPattern m_pattern{};
    int m_row = 0;
    int m_column = 0;
};
