#pragma once

#include <string>

#include "afxwin.h"
#include "sample_picture.h"

// The pixel inspector's line for pixel `at` of picture nPicture (0 and 1 the samples, 2 the mask):
// what it holds ("Bitmap 2 at 34, 12: 0x00FF8000", or "1 (white)" in black and white), and while
// the picture is as the last blit left it, what went into the pixel: D, S (and what a source of
// the other kind became), P, for MaskBlt the mask's bit and the code it chose, and the row of the
// truth table where every operand is all 0 or all 1 there.
std::string DescribePixel(int nPicture, const SamplePicture& picture, POINT at);
