#pragma once

#include <cstdint>
#include <vector>

#include "afxwin.h"
#include "sample_brush.h"

// What went into the last blit onto a picture, kept while the picture is unchanged, so each of
// its pixels can be told: the destination as it was (D), the source (S) and the brush (P), the
// mask's bit for MaskBlt, and the code. It holds two copies of the area the blit covered, so its
// memory is bounded by the picture's size.
struct BlitRecord {
    DWORD rop = 0;  // the code; MaskBlt's quaternary code
    bool maskBlt = false;
    int source = 0;  // the source: 0 and 1 the samples, 2 the mask
    bool sourceMono = false;
    bool destinationMono = false;
    COLORREF sourceBk = 0;  // decides a colour source pixel's bit on black and white
    COLORREF bk = 0, text = 0, pattern = 0;  // the destination's colours
    SampleBrush brush;                       // the destination's brush, at its origin
    SIZE size{};                             // the area the blit covered
    // Over `size`, rows top-down: COLORREFs, black and white as 0 and 0xFFFFFF.
    std::vector<COLORREF> before, sourcePixels;
    std::vector<std::uint8_t> maskBits;  // MaskBlt only: 1 where the mask is
};

struct SamplePanel;
class SamplePicture;

// The record of a blit about to be made from `source` (picture `sourceIndex`) onto the panel over
// its top-left `area`. Empty pixel lists when the pictures cannot be read. Raises std::bad_alloc.
BlitRecord RecordBlit(const SamplePicture& source, int sourceIndex, COLORREF sourceBk,
                      const SamplePanel& destination, SIZE area, DWORD rop);
// The same for MaskBlt, with the mask's bits.
void RecordMask(BlitRecord& record, const SamplePicture& mask);

// P at pixel (x, y) of the destination as the record's brush drew it: its colour, and for a
// hatch or monochrome pattern the pattern's bit (-1 for a solid brush).
struct BrushPixel {
    COLORREF color;
    int bit;
};
BrushPixel BrushPixelAt(const BlitRecord& record, int x, int y);
