#pragma once

#include <cstdint>
#include <vector>

#include "afxwin.h"
#include "dib_rows_info.h"
#include "sample_picture.h"

// A picture's pixels between GDI and memory, as the rows of a DIB: 32-bit colour rows whose
// fourth byte is zero, or 1-bit black-and-white rows whose colour table is black then white, so
// a 1 bit is white as in the picture itself.

// Pixels 0xXXRRGGBB, top-down, packed into rows: a black-and-white row has 1 where the pixel is
// light (its luminance at least 128). Raises std::bad_alloc.
std::vector<BYTE> PackDibRows(const std::vector<std::uint32_t>& pixels, SIZE size, bool mono,
                              bool bottomUp);

// Top-down rows so packed into a bitmap that no DC holds. FALSE when GDI refuses.
BOOL SetBitmapRows(HBITMAP bitmap, SIZE size, bool mono, const std::vector<BYTE>& rows);

// The picture's pixels, top-down, 0x00RRGGBB; black and white as 0x000000 and 0xFFFFFF. Empty
// when it has none or GDI refuses. Raises std::bad_alloc.
std::vector<std::uint32_t> ReadPicturePixels(const SamplePicture& picture);
