#pragma once

#include "afxwin.h"
#include "sample_picture.h"
#include "source_picture.h"

// Draws the picture into the target, which keeps its size and kind: pixel for pixel when it has
// the target's size, enlarged by the largest whole factor that fits (nearest neighbour) when it is
// smaller, shrunk with its proportions kept (HALFTONE) when it is larger, centred in the
// background colour (see picture_placement.h). Transparent pixels are composed over the
// background first; into black and white a pixel becomes 1 where its luminance is at least 128.
// On success the picture is the user's (MarkChanged); FALSE, the target as it was, when either
// has no pixels, memory runs out or GDI refuses.
BOOL FitPicture(const SourcePicture& source, SamplePicture& target, COLORREF background);
