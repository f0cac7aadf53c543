#include <algorithm>

#include "raster_device.h"
#include "sample_panel.h"

namespace {

// Panel 0 is split into a white top and a black bottom, panel 1 into a white left and a black
// right. Each PatBlt reaches one line past the middle; black goes second and wins that line.
void PaintHalves(CDC& dc, int nPanel, int w, int h) {
    if (nPanel == 0) {
        dc.PatBlt(0, 0, w, h / 2 + 1, WHITENESS);
        dc.PatBlt(0, h / 2, w, h / 2 + 1, BLACKNESS);
    } else {
        dc.PatBlt(0, 0, w / 2 + 1, h, WHITENESS);
        dc.PatBlt(w / 2, 0, w / 2 + 1, h, BLACKNESS);
    }
}

// Three ellipses in thirds of the picture, side by side on panel 0 and stacked on panel 1, each
// outlined with the context's default black pen.
void DrawEllipses(CDC& dc, int nPanel, int w, int h, const CBrush* const (&brushes)[3]) {
    RECT rect = nPanel == 0 ? RECT{0, 0, w / 3, h} : RECT{0, 0, w, h / 3};
    for (const CBrush* brush : brushes) {
        dc.SelectObject(brush->GetSafeHandle());
        dc.Ellipse(rect);
        if (nPanel == 0)
            ::OffsetRect(&rect, rect.right - rect.left, 0);
        else
            ::OffsetRect(&rect, 0, rect.bottom - rect.top);
    }
}

// The parts of `rect` right of and below its top-left width x height.
void FillOutside(CDC& dc, const RECT& rect, int width, int height, HBRUSH brush) {
    const RECT right{rect.left + width, rect.top, rect.right, rect.bottom};
    const RECT below{rect.left, rect.top + height, rect.left + width, rect.bottom};
    if (right.left < right.right) dc.FillRect(right, brush);
    if (below.top < below.bottom) dc.FillRect(below, brush);
}

}  // namespace

void DrawDefaultPicture(SamplePanel panel, int nPanel) {
    CDC& dc = panel.m_dcMem;
    if (!dc.GetSafeHdc()) return;
    const bool mono = panel.m_bMono != FALSE;
    const int w = panel.m_sizeBitmap.cx;
    const int h = panel.m_sizeBitmap.cy;

    // Made before anything is drawn, in black and white too, so a failure leaves the picture as
    // it was. Declared before the saved state, so they are deleted after it has deselected them.
    const CBrush red(RGB(255, 0, 0));
    const CBrush green(RGB(0, 255, 0));
    const CBrush blue(RGB(0, 0, 255));

    CSavedDCState saved(dc);
    PaintHalves(dc, nPanel, w, h);
    if (!mono) {
        const CBrush* const brushes[] = {&red, &green, &blue};
        DrawEllipses(dc, nPanel, w, h, brushes);
    }
    ClearUnusedColorBits(dc, panel.m_sizeBitmap);
}

void DrawPictureFrom(CDC& source, SIZE size, const DRAWITEMSTRUCT& item) {
    RECT rect;
    ::CopyRect(&rect, &item.rcItem);
    // Pixel for pixel, never stretched: a button of another size than the bitmap shows the
    // picture in its top-left corner, or its top-left part.
    const int width = std::min<int>(rect.right - rect.left, size.cx);
    const int height = std::min<int>(rect.bottom - rect.top, size.cy);

    CDC button = CDC::FromHandle(item.hDC);
    CSavedDCState saved(button);
    button.SelectStockObject(WHITE_BRUSH);
    // A black-and-white bitmap then shows its 1 bits white and its 0 bits black.
    button.SetBkColor(RGB(255, 255, 255));
    button.SetTextColor(RGB(0, 0, 0));
    button.BitBlt(rect.left, rect.top, width, height, &source, 0, 0, SRCCOPY);
    FillOutside(button, rect, width, height, ::GetSysColorBrush(COLOR_BTNFACE));
}

void DrawSamplePicture(SamplePanel panel, const DRAWITEMSTRUCT& item) {
    if (panel.m_dcMem.GetSafeHdc()) DrawPictureFrom(panel.m_dcMem, panel.m_sizeBitmap, item);
}
