#include <algorithm>
#include <optional>

#include "blit_colors.h"
#include "raster_device.h"
#include "sample_mask.h"
#include "sample_panel.h"

namespace {

// One blit of panel nSrcPanel onto the other, both DCs carrying their own panel's colours, over
// the area both bitmaps cover (panels made at different scales differ in size) and no more than
// `limit`. `blit` draws with (destination, source, width, height).
template <typename Blit>
void BlitBetweenPanels(SamplePanel panel0, SamplePanel panel1, int nSrcPanel, SIZE limit,
                       Blit blit) {
    if (nSrcPanel != 0 && nSrcPanel != 1) return;
    const SamplePanel& source = nSrcPanel == 0 ? panel0 : panel1;
    const SamplePanel& destination = nSrcPanel == 0 ? panel1 : panel0;
    // A panel whose bitmap could not be made has no picture to give, and none to change.
    if (!source.m_dcMem.GetSafeHdc() || !destination.m_dcMem.GetSafeHdc()) return;

    const int width = std::min({source.m_sizeBitmap.cx, destination.m_sizeBitmap.cx, limit.cx});
    const int height = std::min({source.m_sizeBitmap.cy, destination.m_sizeBitmap.cy, limit.cy});
    BlitColors colors1(panel1);
    BlitColors colors0(panel0);
    blit(destination.m_dcMem, source.m_dcMem, width, height);
    colors1.Restore();
    colors0.Restore();
    ClearUnusedColorBits(destination.m_dcMem, destination.m_sizeBitmap);
}

constexpr SIZE kNoLimit{0x7FFFFFFF, 0x7FFFFFFF};

// A black-and-white source in colour, converted as BitBlt converts it onto the destination: 1
// bits in the destination's background colour, 0 bits in its text colour. MaskBlt is given this
// rather than the source itself: Wine's MaskBlt converts with colours of its own, and a source
// already of the destination's kind needs no conversion anywhere.
class ColourCopyOfSource {
public:
    ColourCopyOfSource(CDC& source, const SamplePanel& destination, int width, int height) {
        if (!m_bitmap.CreateCompatibleBitmap(destination.m_dcMem, width, height) ||
            !m_dc.CreateCompatibleDC(&destination.m_dcMem))
            return;
        m_old = m_dc.SelectObject(m_bitmap.GetSafeHandle());
        m_dc.SetBkColor(destination.m_crBk);
        m_dc.SetTextColor(destination.m_crText);
        m_dc.BitBlt(0, 0, width, height, &source, 0, 0, SRCCOPY);
    }
    ~ColourCopyOfSource() {
        if (m_old) m_dc.SelectObject(m_old);
    }
    ColourCopyOfSource(const ColourCopyOfSource&) = delete;
    ColourCopyOfSource& operator=(const ColourCopyOfSource&) = delete;

    CDC* Get() { return m_old ? &m_dc : nullptr; }

private:
    CBitmap m_bitmap;
    CDC m_dc;  // after the bitmap: destroyed first
    HGDIOBJ m_old = nullptr;
};

}  // namespace

void BltSample(SamplePanel panel0, SamplePanel panel1, int nSrcPanel, DWORD dwRop) {
    BlitBetweenPanels(panel0, panel1, nSrcPanel, kNoLimit,
                      [&](CDC& destination, CDC& source, int width, int height) {
                          destination.BitBlt(0, 0, width, height, &source, 0, 0, dwRop);
                      });
}

void MaskBltSample(SamplePanel panel0, SamplePanel panel1, int nSrcPanel, const SampleMask& mask,
                   DWORD rop4) {
    if (!mask.Handle()) return;
    const SamplePanel& sourcePanel = nSrcPanel == 0 ? panel0 : panel1;
    const SamplePanel& destinationPanel = nSrcPanel == 0 ? panel1 : panel0;
    const bool convert = sourcePanel.m_bMono && !destinationPanel.m_bMono;
    BlitBetweenPanels(panel0, panel1, nSrcPanel, mask.Size(),
                      [&](CDC& destination, CDC& source, int width, int height) {
                          std::optional<ColourCopyOfSource> colour;
                          if (convert) colour.emplace(source, destinationPanel, width, height);
                          CDC* from = colour ? colour->Get() : &source;
                          if (from)
                              destination.MaskBlt(0, 0, width, height, from, 0, 0, mask.Handle(), 0,
                                                  0, rop4);
                      });
}
