#include "default_pictures.h"

#include <algorithm>

#include "raster_device.h"

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

}  // namespace

void DrawDefaultSample(CDC& dc, SIZE size, bool mono, int nPanel) {
    if (!dc.GetSafeHdc()) return;
    // Made before anything is drawn, in black and white too, so a failure leaves the picture as
    // it was. Declared before the saved state, so they are deleted after it has deselected them.
    const CBrush red(RGB(255, 0, 0));
    const CBrush green(RGB(0, 255, 0));
    const CBrush blue(RGB(0, 0, 255));

    CSavedDCState saved(dc);
    PaintHalves(dc, nPanel, size.cx, size.cy);
    if (!mono) {
        const CBrush* const brushes[] = {&red, &green, &blue};
        DrawEllipses(dc, nPanel, size.cx, size.cy, brushes);
    }
    ClearUnusedColorBits(dc, size);
}

void DrawDefaultMask(CDC& dc, SIZE size, bool, int) {
    CSavedDCState saved(dc);
    dc.PatBlt(0, 0, size.cx, size.cy, BLACKNESS);
    const int diameter = std::min(size.cx, size.cy) * 3 / 4;
    const int left = (size.cx - diameter) / 2, top = (size.cy - diameter) / 2;
    dc.SelectStockObject(WHITE_BRUSH);
    dc.SelectStockObject(NULL_PEN);
    // Without a pen the right and bottom edges stay out; one more pixel makes the disc whole.
    dc.Ellipse(RECT{left, top, left + diameter + 1, top + diameter + 1});
}
