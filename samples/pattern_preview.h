#pragma once

#include "afxwin.h"
#include "brush_pattern.h"

// A static control, taken over with SubclassDlgItem, filled with a brush of the pattern at its
// true size, tiled from the control's top left corner: 0 bits black, 1 bits white. Screen readers
// are told it is a picture.
class CPatternPreview : public CWnd {
public:
    // The pattern is shown as it is whenever the control paints; it must outlive the control.
    explicit CPatternPreview(const BrushPattern& pattern) : m_pattern(pattern) {}

    // Once attached.
    void PresentAsGraphic() { AfxPresentAsGraphic(m_hWnd); }
    void Invalidate() const {
        if (m_hWnd) InvalidateRect(nullptr, FALSE);
    }

protected:
    // Raises CResourceException when the brush cannot be made.
    void OnPaint();
    LRESULT OnEraseBkgnd(WPARAM, LPARAM) { return TRUE; }
    DECLARE_MESSAGE_MAP()

private:
    const BrushPattern& m_pattern;
};
