#include "sample_panel.h"

namespace {

BOOL CreatePanelBitmap(SamplePanel panel, const CDC& screen) {
    const SIZE size = panel.m_sizeBitmap;
    if (panel.m_bMono) return panel.m_bitmap.CreateBitmap(size.cx, size.cy, 1, 1, nullptr);
    return panel.m_bitmap.CreateCompatibleBitmap(screen, size.cx, size.cy);
}

}  // namespace

BOOL CreateSampleBitmap(SamplePanel panel, int nPanel) {
    // The context first: the bitmap cannot be deleted while it is still selected.
    panel.m_dcMem.DeleteDC();
    panel.m_bitmap.DeleteObject();

    CClientDC screen(nullptr);
    if (!CreatePanelBitmap(panel, screen)) return FALSE;
    // A context without the panel's bitmap would take blits into its 1 x 1 default bitmap and
    // show that in the picture button; a panel has both or neither.
    if (!panel.m_dcMem.CreateCompatibleDC(&screen)) {
        panel.m_bitmap.DeleteObject();
        return FALSE;
    }
    panel.m_dcMem.SelectObject(panel.m_bitmap.GetSafeHandle());
    DrawDefaultPicture(panel, nPanel);
    return TRUE;
}
