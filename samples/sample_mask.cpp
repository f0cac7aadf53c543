#include "sample_mask.h"

#include <algorithm>
#include <utility>

namespace {

// The mask selected into a memory DC of its own for as long as this lives.
class MaskDC {
public:
    explicit MaskDC(HBITMAP mask) {
        if (mask && m_dc.CreateCompatibleDC(nullptr)) m_old = m_dc.SelectObject(mask);
    }
    ~MaskDC() {
        if (m_old) m_dc.SelectObject(m_old);
    }
    MaskDC(const MaskDC&) = delete;
    MaskDC& operator=(const MaskDC&) = delete;

    bool Ready() const { return m_old != nullptr; }
    CDC& Get() { return m_dc; }

private:
    CDC m_dc;
    HGDIOBJ m_old = nullptr;
};

// A disc of 1 bits centred on 0 bits, three quarters of the shorter side across: both parts are
// large enough to see what each half of the code does.
void DrawDisc(CDC& dc, SIZE size) {
    CSavedDCState saved(dc);
    dc.PatBlt(0, 0, size.cx, size.cy, BLACKNESS);
    const int diameter = std::min(size.cx, size.cy) * 3 / 4;
    const int left = (size.cx - diameter) / 2, top = (size.cy - diameter) / 2;
    dc.SelectStockObject(WHITE_BRUSH);
    dc.SelectStockObject(NULL_PEN);
    // Without a pen the right and bottom edges stay out; one more pixel makes the disc whole.
    dc.Ellipse(RECT{left, top, left + diameter + 1, top + diameter + 1});
}

}  // namespace

BOOL SampleMask::Create(SIZE size) {
    CBitmap bitmap;
    if (!bitmap.CreateBitmap(size.cx, size.cy, 1, 1, nullptr)) {
        m_bitmap.DeleteObject();
        m_size = {};
        return FALSE;
    }
    std::swap(m_bitmap, bitmap);
    m_size = size;
    DrawDefault();
    return TRUE;
}

void SampleMask::DrawDefault() {
    MaskDC dc(m_bitmap);
    if (!dc.Ready()) return;
    DrawDisc(dc.Get(), m_size);
    m_bDefault = true;
}

void SampleMask::Invert() {
    MaskDC dc(m_bitmap);
    if (!dc.Ready()) return;
    dc.Get().PatBlt(0, 0, m_size.cx, m_size.cy, DSTINVERT);
    m_bDefault = false;
}

void SampleMask::TakeFrom(SamplePanel panel) {
    MaskDC dc(m_bitmap);
    if (!dc.Ready() || !panel.m_dcMem.GetSafeHdc()) return;
    const int width = std::min(m_size.cx, panel.m_sizeBitmap.cx);
    const int height = std::min(m_size.cy, panel.m_sizeBitmap.cy);
    CSavedDCState saved(panel.m_dcMem);
    // The source DC's background colour decides which colour pixels become 1.
    panel.m_dcMem.SetBkColor(panel.m_crBk);
    dc.Get().BitBlt(0, 0, width, height, &panel.m_dcMem, 0, 0, SRCCOPY);
    m_bDefault = false;
}

BOOL SampleMask::Rescale(SIZE size) {
    if (size.cx == m_size.cx && size.cy == m_size.cy) return TRUE;
    if (m_bDefault || !m_bitmap.GetSafeHandle()) return Create(size);
    CBitmap bitmap;
    if (!bitmap.CreateBitmap(size.cx, size.cy, 1, 1, nullptr)) return FALSE;
    {
        MaskDC from(m_bitmap), to(bitmap);
        if (!from.Ready() || !to.Ready()) return FALSE;
        to.Get().SetStretchBltMode(COLORONCOLOR);
        to.Get().StretchBlt(0, 0, size.cx, size.cy, &from.Get(), 0, 0, m_size.cx, m_size.cy,
                            SRCCOPY);
    }
    std::swap(m_bitmap, bitmap);
    m_size = size;
    return TRUE;
}

void SampleMask::Draw(const DRAWITEMSTRUCT& item) const {
    MaskDC dc(m_bitmap);
    if (dc.Ready()) DrawPictureFrom(dc.Get(), m_size, item);
}
