#include <algorithm>

#include "raster_device.h"
#include "sample_panel.h"

namespace {

// A panel's colours and pattern brush on its own DC for one blit. Restore undoes them; the brush
// is deleted only after that, when the object goes.
class BlitColors {
public:
    explicit BlitColors(SamplePanel panel) : m_dc(panel.m_dcMem) {
        m_dc.SaveDC();
        m_dc.SetBkColor(panel.m_crBk);
        m_dc.SetTextColor(panel.m_crText);
        // Without its brush the DC keeps its default white one: the pattern then acts as white.
        if (m_brush.CreateSolidBrush(panel.m_crPattern)) m_dc.SelectObject(m_brush);
    }
    ~BlitColors() { Restore(); }
    BlitColors(const BlitColors&) = delete;
    BlitColors& operator=(const BlitColors&) = delete;

    void Restore() {
        if (m_restored) return;
        m_dc.RestoreDC(-1);
        m_restored = true;
    }

private:
    CBrush m_brush;
    CDC& m_dc;
    bool m_restored = false;
};

}  // namespace

void BltSample(SamplePanel panel0, SamplePanel panel1, int nSrcPanel, DWORD dwRop) {
    if (nSrcPanel != 0 && nSrcPanel != 1) return;
    const SamplePanel& source = nSrcPanel == 0 ? panel0 : panel1;
    const SamplePanel& destination = nSrcPanel == 0 ? panel1 : panel0;
    // A panel whose bitmap could not be made has no picture to give, and none to change.
    if (!source.m_dcMem.GetSafeHdc() || !destination.m_dcMem.GetSafeHdc()) return;

    // Panels made at different scales differ in size; the blit covers what both have.
    const int width = std::min(source.m_sizeBitmap.cx, destination.m_sizeBitmap.cx);
    const int height = std::min(source.m_sizeBitmap.cy, destination.m_sizeBitmap.cy);
    BlitColors colors1(panel1);
    BlitColors colors0(panel0);
    destination.m_dcMem.BitBlt(0, 0, width, height, &source.m_dcMem, 0, 0, dwRop);
    colors1.Restore();
    colors0.Restore();
    ClearUnusedColorBits(destination.m_dcMem, destination.m_sizeBitmap);
}
