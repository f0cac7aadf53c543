#include "picture_pixels.h"

#include "bgra_pixel.h"
#include "dib_canvas.h"

namespace {

void PackMonoRow(const std::uint32_t* pixels, LONG width, BYTE* row) {
    for (LONG x = 0; x < width; ++x)
        if (IsLight(pixels[x])) row[x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
}

void PackColorRow(const std::uint32_t* pixels, LONG width, BYTE* row) {
    for (LONG x = 0; x < width; ++x, row += 4) {
        row[0] = static_cast<BYTE>(pixels[x]);
        row[1] = static_cast<BYTE>(pixels[x] >> 8);
        row[2] = static_cast<BYTE>(pixels[x] >> 16);
    }
}

}  // namespace

std::vector<BYTE> PackDibRows(const std::vector<std::uint32_t>& pixels, SIZE size, bool mono,
                              bool bottomUp) {
    const size_t stride = DibRowStride(size.cx, mono);
    std::vector<BYTE> rows(stride * static_cast<size_t>(size.cy), 0);
    for (LONG y = 0; y < size.cy; ++y) {
        const std::uint32_t* source = &pixels[static_cast<size_t>(y) * size.cx];
        BYTE* row = &rows[stride * static_cast<size_t>(bottomUp ? size.cy - 1 - y : y)];
        if (mono)
            PackMonoRow(source, size.cx, row);
        else
            PackColorRow(source, size.cx, row);
    }
    return rows;
}

BOOL SetBitmapRows(HBITMAP bitmap, SIZE size, bool mono, const std::vector<BYTE>& rows) {
    const DibRowsInfo info(size, mono, false);
    if (!bitmap || rows.size() < info.header.biSizeImage) return FALSE;
    CDC screen;
    if (!screen.CreateCompatibleDC(nullptr)) return FALSE;
    const int lines = ::SetDIBits(screen, bitmap, 0, static_cast<UINT>(size.cy), rows.data(),
                                  info.Get(), DIB_RGB_COLORS);
    return lines == size.cy;
}

// A black-and-white picture goes onto colour with its 0 bits in the text colour and its 1 bits
// in the background colour: black and white.
std::vector<std::uint32_t> ReadPicturePixels(const SamplePicture& picture) {
    if (!picture.Ready()) return {};
    const SIZE size = picture.Size();
    DibCanvas canvas(size);
    if (!canvas.Ready()) return {};
    canvas.DC().SetTextColor(RGB(0, 0, 0));
    canvas.DC().SetBkColor(RGB(255, 255, 255));
    if (!canvas.DC().BitBlt(0, 0, size.cx, size.cy, &picture.DC(), 0, 0, SRCCOPY)) return {};
    std::vector<std::uint32_t> pixels = canvas.Copy();
    for (std::uint32_t& pixel : pixels) pixel &= 0x00FFFFFF;
    return pixels;
}
