#include "picture_fit.h"

#include <algorithm>
#include <new>

#include "bgra_pixel.h"
#include "dib_canvas.h"
#include "picture_pixels.h"
#include "picture_placement.h"
#include "raster_device.h"

namespace {

using Pixels = std::vector<std::uint32_t>;

std::uint32_t OpaqueRgb(COLORREF color) {
    return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(color)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
}

Pixels Composed(const SourcePicture& source, std::uint32_t background) {
    Pixels pixels = source.pixels;
    if (source.hasAlpha)
        for (std::uint32_t& pixel : pixels)
            pixel = ComposeOver(pixel, background, source.premultiplied);
    return pixels;
}

// Each source pixel a factor x factor square, so pixel art stays crisp whatever GDI would do.
Pixels Enlarged(const Pixels& composed, int sourceWidth, const PicturePlacement& placed, SIZE size,
                std::uint32_t background) {
    Pixels canvas(static_cast<size_t>(size.cx) * size.cy, background);
    for (int y = 0; y < placed.height; ++y) {
        const std::uint32_t* row = &composed[static_cast<size_t>(y / placed.factor) * sourceWidth];
        std::uint32_t* out = &canvas[static_cast<size_t>(placed.top + y) * size.cx + placed.left];
        for (int x = 0; x < placed.width; ++x) out[x] = row[x / placed.factor];
    }
    return canvas;
}

// GDI's HALFTONE stretch averages what it drops, so a shrunk picture keeps its tones.
Pixels Shrunk(const Pixels& composed, const SourcePicture& source, const PicturePlacement& placed,
              SIZE size, std::uint32_t background) {
    DibCanvas canvas(size);
    if (!canvas.Ready()) return {};
    std::uint32_t* bits = canvas.Pixels();
    std::fill(bits, bits + static_cast<size_t>(size.cx) * size.cy, background);
    const DibRowsInfo info({source.width, source.height}, false, false);
    CDC& dc = canvas.DC();
    dc.SetStretchBltMode(HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);  // as HALFTONE requires after the mode is set
    const int lines = ::StretchDIBits(dc, placed.left, placed.top, placed.width, placed.height, 0,
                                      0, source.width, source.height, composed.data(), info.Get(),
                                      DIB_RGB_COLORS, SRCCOPY);
    if (lines <= 0) return {};  // 0 or GDI_ERROR
    return canvas.Copy();
}

Pixels FittedPixels(const SourcePicture& source, SIZE size, std::uint32_t background) {
    const PicturePlacement placed = PlacePicture(source.width, source.height, size.cx, size.cy);
    const Pixels composed = Composed(source, background);
    if (placed.factor > 0) return Enlarged(composed, source.width, placed, size, background);
    return Shrunk(composed, source, placed, size, background);
}

bool HasPixels(const SourcePicture& source) {
    return source.width > 0 && source.height > 0 &&
           source.pixels.size() == static_cast<size_t>(source.width) * source.height;
}

}  // namespace

BOOL FitPicture(const SourcePicture& source, SamplePicture& target, COLORREF background) {
    if (!HasPixels(source) || !target.Ready()) return FALSE;
    const SIZE size = target.Size();
    const bool mono = target.IsMono();
    try {
        const Pixels fitted = FittedPixels(source, size, OpaqueRgb(background));
        if (fitted.empty()) return FALSE;
        const std::vector<BYTE> rows = PackDibRows(fitted, size, mono, false);
        {
            SamplePicture::Lent lent(target);  // SetDIBits wants the bitmap in no DC
            if (!SetBitmapRows(lent.Bitmap(), size, mono, rows)) return FALSE;
        }
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    ClearUnusedColorBits(target.DC(), size);
    target.MarkChanged();
    return TRUE;
}
