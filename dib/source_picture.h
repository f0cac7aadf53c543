#pragma once

// A picture as it was read, before it becomes a sample: from a file, the clipboard or a bitmap.

#include <cstdint>
#include <vector>

struct SourcePicture {
    int width = 0;
    int height = 0;
    // Row by row from the top, each pixel 0xAARRGGBB: in memory B, G, R, A on every machine
    // Windows runs on, as a top-down 32-bit DIB has them.
    std::vector<std::uint32_t> pixels;
    // Some pixel is not opaque. Without alpha, the alpha bytes are 255.
    bool hasAlpha = false;
    // The colours are already multiplied by their alpha (as browsers put pictures on the
    // clipboard); otherwise they are straight, as every file format has them.
    bool premultiplied = false;
};
