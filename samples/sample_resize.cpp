#include <utility>

#include "raster_device.h"
#include "sample_panel.h"

BOOL StretchSampleBitmap(SamplePanel panel, SIZE size) {
    if (!panel.m_dcMem.GetSafeHdc()) return FALSE;
    CBitmap bitmap;
    CDC dc;  // after the bitmap: destroyed first
    CClientDC screen(nullptr);
    const BOOL made = panel.m_bMono ? bitmap.CreateBitmap(size.cx, size.cy, 1, 1, nullptr)
                                    : bitmap.CreateCompatibleBitmap(screen, size.cx, size.cy);
    if (!made || !dc.CreateCompatibleDC(&screen)) return FALSE;
    dc.SelectObject(bitmap.GetSafeHandle());
    {
        CSavedDCState saved(dc);
        // Whole pixels only: a sample's colours are exact, and blending would invent new ones.
        dc.SetStretchBltMode(COLORONCOLOR);
        dc.StretchBlt(0, 0, size.cx, size.cy, &panel.m_dcMem, 0, 0, panel.m_sizeBitmap.cx,
                      panel.m_sizeBitmap.cy, SRCCOPY);
    }
    ClearUnusedColorBits(dc, size);
    // The old context and bitmap go with the locals, the context first.
    std::swap(panel.m_dcMem, dc);
    std::swap(panel.m_bitmap, bitmap);
    panel.m_sizeBitmap = size;
    return TRUE;
}
