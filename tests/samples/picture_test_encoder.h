#pragma once

// Picture files written by WIC's own encoders, so the tests need no binary fixtures.

#include <windows.h>

#include <string>

#include "source_picture.h"

enum class TestFileFormat { Bmp, Png, Gif, Jpeg };

// The picture as a file of that format: BMP and JPEG in 24 bits, PNG in 32 with its alpha, GIF
// indexed with a palette of exactly the picture's colours (at most 256).
HRESULT WritePictureFile(const std::wstring& path, TestFileFormat format,
                         const SourcePicture& picture);
