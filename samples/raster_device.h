#pragma once

#include "afxwin.h"

// A raster operation works on every bit of a pixel, including the byte of a 32-bit colour pixel
// that holds no colour: WHITENESS or an inversion sets it. GDI matches a colour pixel against
// the background colour with that byte, so when a colour bitmap goes onto black and white such a
// white would not count as white. Clearing the byte after each drawing keeps every colour pixel
// equal to its 24 colour bits; on black and white, and on formats without spare bits, this
// changes nothing.
void ClearUnusedColorBits(CDC& dc, SIZE size);
