#include <algorithm>
#include <memory>
#include <new>
#include <optional>

#include "blit_colors.h"
#include "blit_record.h"
#include "raster_device.h"
#include "sample_mask.h"
#include "sample_panel.h"

namespace {

// What went into the blit, for the picture to keep; none when memory runs short, which costs the
// pixel inspector its story and nothing else.
std::unique_ptr<BlitRecord> Record(const SamplePicture& source, int sourceIndex, COLORREF sourceBk,
                                   const SamplePanel& destination, SIZE area, DWORD rop,
                                   const SampleMask* mask) {
    try {
        auto record = std::make_unique<BlitRecord>(
            RecordBlit(source, sourceIndex, sourceBk, destination, area, rop));
        if (mask) RecordMask(*record, *mask);
        return record;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// One blit of the source panel onto the destination, both DCs carrying their own panel's colours,
// over the area both pictures cover (pictures made at different scales differ in size) and no
// more than `limit`. `blit` draws with (destination, source, width, height) and says whether GDI
// did. The destination keeps what went into it (rop, and the mask for MaskBlt).
template <typename Blit>
BOOL BlitBetweenPanels(SamplePanel& source, SamplePanel& destination, SIZE limit, DWORD rop,
                       const SampleMask* mask, Blit blit) {
    SamplePicture& from = source.m_picture;
    SamplePicture& to = destination.m_picture;
    // A panel whose picture could not be made has nothing to give, and nothing to change.
    if (&source == &destination || !from.Ready() || !to.Ready()) return FALSE;

    const int width = std::min({from.Size().cx, to.Size().cx, limit.cx});
    const int height = std::min({from.Size().cy, to.Size().cy, limit.cy});
    auto record =
        Record(from, from.Variant(), source.m_crBk, destination, {width, height}, rop, mask);
    BOOL drawn = FALSE;
    {
        BlitColors destinationColors(destination);
        BlitColors sourceColors(source);
        drawn = blit(to.DC(), from.DC(), width, height);
    }
    if (!drawn) return FALSE;
    ClearUnusedColorBits(to.DC(), to.Size());
    to.MarkChanged();
    to.RememberBlit(std::move(record));
    return TRUE;
}

constexpr SIZE kNoLimit{0x7FFFFFFF, 0x7FFFFFFF};
constexpr int kMaskSource = 2;

// A black-and-white source in colour, converted as BitBlt converts it onto the destination: 1
// bits in the destination's background colour, 0 bits in its text colour. MaskBlt is given this
// rather than the source itself: Wine's MaskBlt converts with colours of its own, and a source
// already of the destination's kind needs no conversion anywhere.
class ColourCopyOfSource {
public:
    ColourCopyOfSource(CDC& source, const SamplePanel& destination, int width, int height)
        : m_dc(Made(m_bitmap, destination.m_picture.DC(), width, height)) {
        if (!m_dc.Ready()) return;
        m_dc.Get().SetBkColor(destination.m_crBk);
        m_dc.Get().SetTextColor(destination.m_crText);
        m_ready = m_dc.Get().BitBlt(0, 0, width, height, &source, 0, 0, SRCCOPY) != FALSE;
    }

    CDC* Get() { return m_ready ? &m_dc.Get() : nullptr; }

private:
    static HBITMAP Made(CBitmap& bitmap, const CDC& like, int width, int height) {
        bitmap.CreateCompatibleBitmap(like, width, height);
        return bitmap;
    }

    CBitmap m_bitmap;
    CBitmapDC m_dc;  // after the bitmap: gives it back first
    bool m_ready = false;
};

}  // namespace

BOOL BltSample(SamplePanel& source, SamplePanel& destination, DWORD dwRop) {
    return BlitBetweenPanels(source, destination, kNoLimit, dwRop, nullptr,
                             [&](CDC& to, CDC& from, int width, int height) {
                                 return to.BitBlt(0, 0, width, height, &from, 0, 0, dwRop);
                             });
}

BOOL BltMaskSample(SampleMask& mask, SamplePanel& destination, DWORD dwRop) {
    SamplePicture& to = destination.m_picture;
    if (!mask.Ready() || !to.Ready()) return FALSE;
    const int width = std::min(mask.Size().cx, to.Size().cx);
    const int height = std::min(mask.Size().cy, to.Size().cy);
    auto record = Record(mask, kMaskSource, 0, destination, {width, height}, dwRop, nullptr);
    BOOL drawn = FALSE;
    {
        BlitColors colors(destination);
        drawn = to.DC().BitBlt(0, 0, width, height, &mask.DC(), 0, 0, dwRop);
    }
    if (!drawn) return FALSE;
    ClearUnusedColorBits(to.DC(), to.Size());
    to.MarkChanged();
    to.RememberBlit(std::move(record));
    return TRUE;
}

BOOL MaskBltSample(SamplePanel& source, SamplePanel& destination, SampleMask& mask, DWORD rop4) {
    const bool convert = source.m_picture.IsMono() && !destination.m_picture.IsMono();
    SamplePicture::Lent lent(mask);
    if (!lent.Bitmap()) return FALSE;
    return BlitBetweenPanels(source, destination, mask.Size(), rop4, &mask,
                             [&](CDC& to, CDC& from, int width, int height) {
                                 std::optional<ColourCopyOfSource> colour;
                                 if (convert) colour.emplace(from, destination, width, height);
                                 CDC* given = colour ? colour->Get() : &from;
                                 return given && to.MaskBlt(0, 0, width, height, given, 0, 0,
                                                            lent.Bitmap(), 0, 0, rop4);
                             });
}
