#include "sample_mask.h"

#include <algorithm>

BOOL SampleMask::Invert() {
    if (!Ready() || !DC().PatBlt(0, 0, Size().cx, Size().cy, DSTINVERT)) return FALSE;
    MarkChanged();
    return TRUE;
}

BOOL SampleMask::TakeFrom(SamplePanel& panel) {
    CDC& source = panel.m_picture.DC();
    if (!Ready() || !panel.m_picture.Ready()) return FALSE;
    const int width = std::min(Size().cx, panel.m_picture.Size().cx);
    const int height = std::min(Size().cy, panel.m_picture.Size().cy);
    CSavedDCState saved(source);
    // The source DC's background colour decides which colour pixels become 1.
    source.SetBkColor(panel.m_crBk);
    if (!DC().BitBlt(0, 0, width, height, &source, 0, 0, SRCCOPY)) return FALSE;
    MarkChanged();
    return TRUE;
}
