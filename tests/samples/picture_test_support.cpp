#include "picture_test_support.h"

#include "default_pictures.h"
#include "dib_rows_info.h"

Pixels ReadBitmap(HBITMAP bitmap, SIZE size) {
    DibRowsInfo info(size, false, false);
    Pixels pixels(static_cast<size_t>(size.cx) * size.cy);
    HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), info.Get(),
                DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
    return pixels;
}

void WriteBitmap(HBITMAP bitmap, SIZE size, const Pixels& pixels) {
    DibRowsInfo info(size, false, false);
    HDC screen = ::GetDC(nullptr);
    ::SetDIBits(screen, bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), info.Get(),
                DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
}

TestPicture::TestPicture(SIZE size, bool mono, int variant) : picture(DrawDefaultSample, variant) {
    picture.Create(size, mono);
}

void TestPicture::Write(const Pixels& pixels) {
    SamplePicture::Lent lent(picture);
    WriteBitmap(lent.Bitmap(), picture.Size(), pixels);
}

PictureState::PictureState(const SamplePicture& picture)
    : pixels(ReadBitmap(picture.Bitmap(), picture.Size())),
      size(picture.Size()),
      mono(picture.IsMono()),
      isDefault(picture.ShowsDefault()) {}

bool PictureState::operator==(const PictureState& other) const {
    return pixels == other.pixels && size.cx == other.size.cx && size.cy == other.size.cy &&
           mono == other.mono && isDefault == other.isDefault;
}

SourcePicture MakeSource(int width, int height,
                         const std::function<std::uint32_t(int, int)>& color) {
    SourcePicture source;
    source.width = width;
    source.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) source.pixels.push_back(color(x, y));
    for (const std::uint32_t pixel : source.pixels) source.hasAlpha |= (pixel >> 24) != 0xFF;
    return source;
}

std::uint32_t DistinctColor(int x, int y) {
    return 0xFF000000u | static_cast<std::uint32_t>(x * 37 % 256) << 16 |
           static_cast<std::uint32_t>(y * 53 % 256) << 8 |
           static_cast<std::uint32_t>((x * y * 11 + 7) % 256);
}

std::uint32_t BlackOrWhite(std::uint32_t rgb) {
    const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return (299 * r + 587 * g + 114 * b) / 1000 >= 128 ? 0xFFFFFF : 0;
}
