#include "sample_picture.h"

#include <algorithm>
#include <utility>

#include "blit_record.h"
#include "picture_pixels.h"
#include "picture_snapshot.h"
#include "raster_device.h"

namespace {

bool SameSize(SIZE a, SIZE b) { return a.cx == b.cx && a.cy == b.cy; }

// The parts of `rect` right of and below its top-left width x height.
void FillOutside(CDC& dc, const RECT& rect, int width, int height, HBRUSH brush) {
    const RECT right{rect.left + width, rect.top, rect.right, rect.bottom};
    const RECT below{rect.left, rect.top + height, rect.left + width, rect.bottom};
    if (right.left < right.right) dc.FillRect(right, brush);
    if (below.top < below.bottom) dc.FillRect(below, brush);
}

// Whole pixels only: a sample's colours are exact, and blending would invent new ones.
void StretchOnto(CDC& target, SIZE size, CDC& source, SIZE sourceSize) {
    CSavedDCState saved(target);
    target.SetStretchBltMode(COLORONCOLOR);
    target.StretchBlt(0, 0, size.cx, size.cy, &source, 0, 0, sourceSize.cx, sourceSize.cy, SRCCOPY);
}

}  // namespace

SamplePicture::SamplePicture(DefaultDrawing drawing, int variant)
    : m_drawDefault(drawing), m_variant(variant) {}

// Out of line, where the record's type is whole.
SamplePicture::SamplePicture(SamplePicture&&) noexcept = default;
SamplePicture& SamplePicture::operator=(SamplePicture&&) noexcept = default;
SamplePicture::~SamplePicture() = default;

void SamplePicture::RememberBlit(std::unique_ptr<const BlitRecord> record) {
    m_lastBlit = std::move(record);
}

std::unique_ptr<const PictureSnapshot> SamplePicture::TakeColourBeforeMono() {
    return std::move(m_colourBeforeMono);
}

void SamplePicture::KeepColourBeforeMono(std::unique_ptr<const PictureSnapshot> colour) {
    m_colourBeforeMono = std::move(colour);
}

BOOL SamplePicture::MakeBitmap(SIZE size, bool mono, CBitmap& bitmap, CDC& dc,
                               HGDIOBJ& empty) const {
    CClientDC screen(nullptr);
    const BOOL made = mono ? bitmap.CreateBitmap(size.cx, size.cy, 1, 1, nullptr)
                           : bitmap.CreateCompatibleBitmap(screen, size.cx, size.cy);
    // A DC without the bitmap would take blits into its 1 x 1 default bitmap and show that in the
    // picture button: a picture has both or neither.
    if (!made || !dc.CreateCompatibleDC(&screen)) return FALSE;
    empty = dc.SelectObject(bitmap.GetSafeHandle());
    return TRUE;
}

BOOL SamplePicture::Create(SIZE size, bool mono) {
    // The DC first: the bitmap cannot be deleted while it is still selected.
    m_dc.DeleteDC();
    m_bitmap.DeleteObject();
    m_made.DeleteObject();
    m_size = size;
    m_bMono = mono;
    m_lastBlit.reset();
    m_colourBeforeMono.reset();
    if (!MakeBitmap(size, mono, m_bitmap, m_dc, m_emptyBitmap)) {
        m_dc.DeleteDC();
        m_bitmap.DeleteObject();
        return FALSE;
    }
    DrawDefault();
    return TRUE;
}

void SamplePicture::DrawDefault() {
    if (!Ready()) return;
    m_drawDefault(m_dc, m_size, m_bMono, m_variant);
    m_bDefault = true;
    m_made.DeleteObject();
    m_lastBlit.reset();
    m_colourBeforeMono.reset();
}

void SamplePicture::MarkChanged() {
    m_bDefault = false;
    m_made.DeleteObject();
    m_lastBlit.reset();
    m_colourBeforeMono.reset();
}

BOOL SamplePicture::Rescale(SIZE size) {
    if (SameSize(size, m_size)) return TRUE;
    if (m_bDefault || !Ready()) return Create(size, m_bMono);
    CBitmap bitmap;
    CDC dc;  // after the bitmap: at the end it holds the old DC, deleted before the old bitmap
    HGDIOBJ empty = nullptr;
    if (!MakeBitmap(size, m_bMono, bitmap, dc, empty)) return FALSE;
    if (m_made.GetSafeHandle()) {
        CBitmapDC made(m_made);
        if (!made.Ready()) return FALSE;
        StretchOnto(dc, size, made.Get(), m_madeSize);
    } else {
        StretchOnto(dc, size, m_dc, m_size);
        // The picture as made is kept from now on; its DC goes with the swap below.
        m_made = std::move(m_bitmap);
        m_madeSize = m_size;
    }
    ClearUnusedColorBits(dc, size);
    std::swap(m_dc, dc);
    std::swap(m_bitmap, bitmap);
    m_emptyBitmap = empty;
    m_size = size;
    m_lastBlit.reset();
    return TRUE;
}

BOOL SamplePicture::Adopt(const PictureSnapshot& snapshot) {
    CBitmap bitmap;
    CDC dc;  // after the bitmap: at the end it holds the old DC, deleted before the old bitmap
    HGDIOBJ empty = nullptr;
    if (!MakeBitmap(snapshot.size, snapshot.mono, bitmap, dc, empty)) return FALSE;
    dc.SelectObject(empty);  // SetDIBits wants the bitmap in no DC
    const BOOL filled = SetBitmapRows(bitmap, snapshot.size, snapshot.mono, snapshot.rows);
    dc.SelectObject(bitmap.GetSafeHandle());
    if (!filled) return FALSE;
    std::swap(m_dc, dc);
    std::swap(m_bitmap, bitmap);
    m_emptyBitmap = empty;
    m_size = snapshot.size;
    m_bMono = snapshot.mono;
    m_bDefault = snapshot.isDefault;
    m_made.DeleteObject();
    m_lastBlit.reset();
    m_colourBeforeMono.reset();
    return TRUE;
}

void SamplePicture::Draw(const DRAWITEMSTRUCT& item) const {
    if (!Ready()) return;
    RECT rect;
    ::CopyRect(&rect, &item.rcItem);
    const int width = std::min<int>(rect.right - rect.left, m_size.cx);
    const int height = std::min<int>(rect.bottom - rect.top, m_size.cy);

    CDC button = CDC::FromHandle(item.hDC);
    CSavedDCState saved(button);
    button.SelectStockObject(WHITE_BRUSH);
    // A black-and-white bitmap then shows its 1 bits white and its 0 bits black.
    button.SetBkColor(RGB(255, 255, 255));
    button.SetTextColor(RGB(0, 0, 0));
    button.BitBlt(rect.left, rect.top, width, height, &m_dc, 0, 0, SRCCOPY);
    FillOutside(button, rect, width, height, ::GetSysColorBrush(COLOR_BTNFACE));
}

SamplePicture::Lent::Lent(SamplePicture& picture) : m_picture(picture) {
    if (m_picture.Ready()) m_picture.m_dc.SelectObject(m_picture.m_emptyBitmap);
}

SamplePicture::Lent::~Lent() {
    if (m_picture.Ready()) m_picture.m_dc.SelectObject(m_picture.m_bitmap.GetSafeHandle());
}
