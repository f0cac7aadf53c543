#pragma once

#include <cstdint>

#include "surface.h"

// The stored values of pixels of `bitsPerPixel` bits in a row of bytes as GDI packs them, from
// pixel x on, one word each, and back.
void ReadRowPixels(const std::uint8_t* row, int bitsPerPixel, int x, int count,
                   std::uint32_t* values);
void WriteRowPixels(std::uint8_t* row, int bitsPerPixel, int x, int count,
                    const std::uint32_t* values);

// The stored values of `count` pixels of row y from column x on, one word each: an index on a
// surface with a table, the whole 16, 24 or 32 bits otherwise. The caller keeps x .. x + count
// inside the row.
void ReadPixels(const Surface& surface, int x, int y, int count, std::uint32_t* values);

// Stores them back; bits above the pixel's width are dropped, padding is never written.
void WritePixels(Surface& surface, int x, int y, int count, const std::uint32_t* values);
