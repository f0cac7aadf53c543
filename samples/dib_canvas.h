#pragma once

#include <cstdint>
#include <vector>

#include "afxwin.h"

// A top-down 32-bit DIB section selected into a memory DC of its own: GDI draws into it, and its
// pixels (0xXXRRGGBB) are read and written in memory. The DC goes before the bitmap.
class DibCanvas {
public:
    explicit DibCanvas(SIZE size);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    // FALSE when the section or its DC could not be made.
    bool Ready() const { return m_old != nullptr; }
    CDC& DC() { return m_dc; }
    // Every pixel, after GDI has finished drawing.
    std::uint32_t* Pixels();
    // Every pixel copied out. Raises std::bad_alloc.
    std::vector<std::uint32_t> Copy();

private:
    SIZE m_size;
    std::uint32_t* m_bits = nullptr;
    CBitmap m_bitmap;
    CDC m_dc;
    HGDIOBJ m_old = nullptr;
};
