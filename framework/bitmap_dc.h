#pragma once

#include <windows.h>

#include "dc.h"

// A bitmap that no DC holds, selected into a memory DC of its own for as long as this lives: to
// draw into it or read from it. The bitmap is given back (deselected) before the DC goes.
class CBitmapDC {
public:
    explicit CBitmapDC(HBITMAP bitmap) {
        if (bitmap && m_dc.CreateCompatibleDC(nullptr)) m_old = m_dc.SelectObject(bitmap);
    }
    ~CBitmapDC() {
        if (m_old) m_dc.SelectObject(m_old);
    }
    CBitmapDC(const CBitmapDC&) = delete;
    CBitmapDC& operator=(const CBitmapDC&) = delete;

    // FALSE when the DC could not be made or the bitmap is held by another DC.
    bool Ready() const { return m_old != nullptr; }
    CDC& Get() { return m_dc; }

private:
    CDC m_dc;
    HGDIOBJ m_old = nullptr;
};
