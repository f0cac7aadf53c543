#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "color_ref.h"

// A format says how a pixel lies in memory; everything else asks it.
struct PixelFormat {
    int bitsPerPixel = 32;                                       // 1, 4, 8, 16, 24, 32
    std::array<std::uint32_t, 3> masks{0xFF0000, 0xFF00, 0xFF};  // red, green, blue: 16 and 32
    std::vector<Rgb> table;  // 1, 4 and 8 bits; an index past the end reads as black

    bool HasTable() const { return bitsPerPixel <= 8; }
    friend bool operator==(const PixelFormat& a, const PixelFormat& b) {
        return a.bitsPerPixel == b.bitsPerPixel && a.masks == b.masks && a.table == b.table;
    }
};

// BI_RGB's layouts: 5-5-5 for 16 bits, 8-8-8 for 24 and 32 (a 24-bit pixel is read as
// 0x00RRGGBB from its bytes blue, green, red).
std::array<std::uint32_t, 3> DefaultMasks(int bitsPerPixel);

// A mask GDI takes for BI_BITFIELDS: one run of set bits.
bool IsContiguousMask(std::uint32_t mask);

// The bits of a pixel of `bitsPerPixel` bits (all ones for 32).
std::uint32_t PixelValueMask(int bitsPerPixel);

// A colour as a pixel of a format without a table: each channel to its field's width, the
// top bits of 8 taken when the field is narrower, the 8 bits shifted up when wider (8-8-8 to
// 10-10-10 is c << 2). Bits outside the masks are zero.
std::uint32_t PackRgb(const PixelFormat& format, Rgb color);

// The colour a pixel stands for: its table entry (black past the end), or its fields widened to
// 8 bits by repeating their bits (5 bits c: c << 3 | c >> 2) or narrowed to their top 8.
Rgb UnpackRgb(const PixelFormat& format, std::uint32_t pixel);
