#pragma once

#include "sample_panel.h"

// A panel's colours and brush, at its origin, on its own DC for one blit. Restore undoes them; the
// brush is deleted only after that, when the object goes.
class BlitColors {
public:
    explicit BlitColors(SamplePanel& panel) : m_dc(panel.m_picture.DC()) {
        m_dc.SaveDC();
        m_dc.SetBkColor(panel.m_crBk);
        m_dc.SetTextColor(panel.m_crText);
        // The pattern pixel at (x, y) is then pattern[(y - Y) mod 8][(x - X) mod 8].
        ::SetBrushOrgEx(m_dc, panel.m_brush.m_nOriginX, panel.m_brush.m_nOriginY, nullptr);
        // Without its brush the DC keeps its default white one: the pattern then acts as white.
        if (CreateSampleBrush(m_brush, panel.m_brush, panel.m_crPattern))
            m_dc.SelectObject(m_brush);
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
