#pragma once

// Uncompressed TIFF files written byte by byte, for what WIC's encoders cannot write here: an
// EXIF orientation, pixels in a format that has no conversion.

#include <cstdint>
#include <functional>
#include <vector>

enum class TiffPixels {
    Rgb8,    // 8 bits a channel, from the pixel function
    Cmyk16,  // 16 bits a channel of ink, all zero
};

// The value's low `size` bytes, the lowest first.
void PutLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size);

// width x height, the pixels 0x00RRGGBB of `pixel` (Rgb8), with the orientation tag (274) where
// `orientation` is 1 to 8.
std::vector<std::uint8_t> TiffBytes(int width, int height, TiffPixels kind, int orientation = 0,
                                    const std::function<std::uint32_t(int, int)>& pixel = {});
