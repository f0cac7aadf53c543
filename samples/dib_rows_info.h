#pragma once

#include "afxwin.h"

// The bytes of one row of a DIB: 32-bit colour or 1-bit black and white, padded to 4 bytes.
size_t DibRowStride(LONG width, bool mono);

// BITMAPINFO for 32-bit colour rows whose fourth byte is zero, or 1-bit black-and-white rows
// whose colour table is black then white (a 1 bit is white), with room for the two entries.
struct DibRowsInfo {
    DibRowsInfo(SIZE size, bool mono, bool bottomUp);
    const BITMAPINFO* Get() const { return reinterpret_cast<const BITMAPINFO*>(this); }
    // For the calls that take a writable one (GetDIBits).
    BITMAPINFO* Get() { return reinterpret_cast<BITMAPINFO*>(this); }
    // The header and, for black and white, the colour table.
    size_t Bytes() const { return sizeof header + (header.biBitCount == 1 ? sizeof colors : 0); }

    BITMAPINFOHEADER header;
    RGBQUAD colors[2];
};
