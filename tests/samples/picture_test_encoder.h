#pragma once

// Picture files written by WIC's own encoders, so the tests need no binary fixtures.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "source_picture.h"

enum class TestFileFormat { Bmp, Png, Gif, Jpeg, Tiff };

// The picture as a file of that format: BMP, JPEG and TIFF in 24 bits, PNG in 32 with its alpha,
// GIF indexed with a palette of exactly the picture's colours (at most 256).
HRESULT WritePictureFile(const std::wstring& path, TestFileFormat format,
                         const SourcePicture& picture);

// A large picture in a small file, as a black-and-white PNG of stripes, so it takes the reader a
// while: every bit set in every eighth row.
HRESULT WriteLargePng(const std::wstring& path, UINT width, UINT height);

// Several pictures in one file: a multi-page TIFF or an animated GIF.
HRESULT WriteFramesFile(const std::wstring& path, TestFileFormat format,
                        const std::vector<SourcePicture>& frames);
// An icon of these images, each a PNG inside (as WIC has no encoder for icons).
HRESULT WriteIconFile(const std::wstring& path, const std::vector<SourcePicture>& images);
