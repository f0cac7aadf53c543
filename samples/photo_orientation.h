#pragma once

#include <wincodec.h>

// How a camera says it was held (EXIF's orientation, 1 to 8; see dib/upright_picture.h), rather
// than turning the pixels. 1 when the frame says nothing or something else.
int ReadPhotoOrientation(IWICBitmapFrameDecode* frame);
