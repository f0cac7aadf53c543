#pragma once

#include <wincodec.h>

#include "com_ptr.h"

// The frame a file opens at: an icon's largest image (the one drawn at the largest size), any
// other picture's first (an animation's, a multi-page TIFF's), and how many the file holds.
struct ChosenFrame {
    ComPtr<IWICBitmapFrameDecode> frame;
    UINT width = 0, height = 0;
    UINT frameCount = 0;
    bool isIcon = false;
};

// FALSE (HRESULT) when no frame can be had.
HRESULT ChooseFrame(IWICBitmapDecoder* decoder, ChosenFrame& chosen);
