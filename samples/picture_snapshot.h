#pragma once

#include <vector>

#include "afxwin.h"

class SamplePicture;

// A picture kept outside GDI, for undo: its size, kind, whether it showed its default, and its
// pixels as top-down DIB rows (32 bits a pixel in colour, 1 in black and white; picture_pixels.h).
struct PictureSnapshot {
    SIZE size{};
    bool mono = false;
    bool isDefault = true;
    std::vector<BYTE> rows;

    size_t Bytes() const { return rows.size() + sizeof *this; }
};

// The picture as it is now. FALSE, `snapshot` as it was, when it has no picture or GDI refuses.
// Raises std::bad_alloc.
BOOL TakeSnapshot(const SamplePicture& picture, PictureSnapshot& snapshot);
