#pragma once

#include "afxwin.h"

// The pictures the samples and the mask start with and return to; each draws over the whole
// bitmap, made before it draws anything, and raises CResourceException, having drawn nothing,
// when a brush cannot be made.

// Sample 0 ("Bitmap 1") white above black with three ellipses side by side, sample 1 white left of
// black with three stacked ellipses; no ellipses in black and white.
void DrawDefaultSample(CDC& dc, SIZE size, bool mono, int nPanel);

// A disc of 1 bits centred on 0 bits, three quarters of the shorter side across: both parts are
// large enough to see what each half of a MaskBlt code does.
void DrawDefaultMask(CDC& dc, SIZE size, bool mono, int variant);
