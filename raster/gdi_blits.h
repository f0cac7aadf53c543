#pragma once

#include <cstdint>

#include "memory_dc.h"

// The three blits as GDI performs them, with its return values. Extents may be negative (the
// columns [x + w, x)); everything is clipped to the surfaces; a source may be the destination
// itself, and is then read whole before anything is written.

// Only bits 16 to 23 of the code count; a code that reads the source draws nothing and fails.
bool PatBlt(MemoryDc& target, int x, int y, int w, int h, std::uint32_t rop);

// A code that reads no source needs none: with a null source it is a PatBlt.
bool BitBlt(MemoryDc& target, int x, int y, int w, int h, const MemoryDc* source, int sx, int sy,
            std::uint32_t rop);

// Where the mask's bit is 1 the code's foreground (its low three bytes) applies, where 0 its
// background (its top byte); both draw the destination DC's brush at its origin with its
// colours. A null mask runs the foreground alone. A null source fails whatever the code, and so
// does a mask of more than one bit a pixel or one whose columns [mx, mx + |w|) are not all in
// it; its rows repeat.
bool MaskBlt(MemoryDc& target, int x, int y, int w, int h, const MemoryDc* source, int sx, int sy,
             const MemoryDc* mask, int mx, int my, std::uint32_t rop4);
