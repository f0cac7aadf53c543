#pragma once

#include <wincodec.h>

#include <atomic>

#include "source_picture.h"

// A frame as straight 32-bit BGRA, shrunk to `width` x `height` (its own size, or smaller with
// its proportions kept). The frame's own scaler comes first, so a
// JPEG decodes at the smaller size, and the pixel format is converted after it (before it, where
// the scaler does not take the frame's format). The pixels are copied in bands, and `abandoned`
// is looked at between them: E_ABORT once it is set.
HRESULT DecodeFrame(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, UINT width,
                    UINT height, SourcePicture& picture, const std::atomic<bool>* abandoned);
