#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "pixel_format.h"

// A DIB section, or the monochrome device-dependent bitmap of CreateBitmap(w, h, 1, 1, bits).
enum class SurfaceKind { Dib, MonochromeBitmap };

// A bitmap's bytes exactly as GDI lays them in memory: a DIB's rows padded to 4 bytes, bottom-up
// unless its height was negative; a monochrome bitmap's rows padded to 2 bytes, top-down, with 0
// black and 1 white.
struct Surface {
    SurfaceKind kind = SurfaceKind::Dib;
    PixelFormat format;
    int width = 0;
    int height = 0;  // always positive; topDown says how the rows lie
    bool topDown = false;
    std::size_t stride = 0;
    std::vector<std::uint8_t> bytes;

    bool IsMonochromeBitmap() const { return kind == SurfaceKind::MonochromeBitmap; }
    bool HasTable() const { return format.HasTable(); }

    // Row y counted from the top, as GDI's coordinates count it.
    std::uint8_t* Row(int y) { return bytes.data() + MemoryRow(y) * stride; }
    const std::uint8_t* Row(int y) const { return bytes.data() + MemoryRow(y) * stride; }

private:
    std::size_t MemoryRow(int y) const {
        return static_cast<std::size_t>(topDown ? y : height - 1 - y);
    }
};

std::size_t DibStride(int width, int bitsPerPixel);
std::size_t MonochromeBitmapStride(int width);

// All bytes zero. `height` as BITMAPINFOHEADER's biHeight: negative for top-down.
Surface MakeDibSurface(PixelFormat format, int width, int height);
Surface MakeMonochromeBitmap(int width, int height);

// A monochrome bitmap's bits past its width are zero, as GDI keeps them: its bytes are copied in
// and out of a bitmap the program never sees.
void ClearMonochromePadding(Surface& surface);
