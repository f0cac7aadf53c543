#include <gtest/gtest.h>

#include <cstdio>

#include "picture_fit.h"
#include "picture_test_support.h"

namespace {

// What the sample shows of a picture placed at (left, top), each pixel a factor x factor square,
// with the background elsewhere.
Pixels Expected(const SourcePicture& source, int left, int top, int factor, bool mono) {
    Pixels pixels;
    for (int y = 0; y < kSampleSize.cy; ++y)
        for (int x = 0; x < kSampleSize.cx; ++x) {
            const int sx = (x - left) / factor, sy = (y - top) / factor;
            const bool inside = x >= left && y >= top && sx < source.width && sy < source.height;
            const std::uint32_t rgb =
                inside ? source.pixels[static_cast<size_t>(sy * source.width + sx)] & 0xFFFFFF
                       : kBackgroundPixel;
            pixels.push_back(mono ? BlackOrWhite(rgb) : rgb);
        }
    return pixels;
}

std::uint32_t GreyRamp(int x, int y) {
    const std::uint32_t level = static_cast<std::uint32_t>((x + y * 100) % 256);
    return 0xFF000000u | level * 0x010101u;
}

// Pixel for pixel, and enlarged by whole factors, the result is exact: every pixel is checked.
TEST(PictureFit, SameSizeAndSmallerPicturesLandPixelForPixelInColourAndBlackAndWhite) {
    struct Case {
        const char* name;
        SourcePicture source;
        int left, top, factor;
    };
    const Case cases[] = {
        {"the sample's size", MakeSource(100, 80, DistinctColor), 0, 0, 1},
        {"a grey ramp through 127 and 128", MakeSource(100, 80, GreyRamp), 0, 0, 1},
        {"7 x 5: 14 times, at (1, 5)", MakeSource(7, 5, DistinctColor), 1, 5, 14},
        {"1 x 1: a square of 80", MakeSource(1, 1, [](int, int) { return 0xFF00FF00u; }), 10, 0,
         80},
        {"50 x 80: one way exact, not enlarged", MakeSource(50, 80, DistinctColor), 25, 0, 1},
        {"33 x 26: thrice, the odd pixel left below", MakeSource(33, 26, DistinctColor), 0, 1, 3},
    };
    for (const Case& c : cases)
        for (const bool mono : {false, true}) {
            SCOPED_TRACE(::testing::Message() << c.name << (mono ? ", black and white" : ""));
            TestPicture target(kSampleSize, mono);
            ASSERT_TRUE(FitPicture(c.source, target.picture, kBackground));
            EXPECT_EQ(target.Read(), Expected(c.source, c.left, c.top, c.factor, mono));
            EXPECT_FALSE(target.picture.ShowsDefault()) << "the picture is the user's now";
            EXPECT_EQ(target.picture.IsMono(), mono) << "the target keeps its kind";
        }
}

TEST(PictureFit, TransparentPixelsAreComposedOverTheBackground) {
    // Straight alpha 0, 128 and 255, then premultiplied, each pixel enlarged 40 times.
    const std::uint32_t straight[] = {0x00FFFFFF, 0x80FF0000, 0xFF0000FF, 0x00000000};
    SourcePicture source = MakeSource(2, 2, [&](int x, int y) { return straight[y * 2 + x]; });
    TestPicture target(kSampleSize, false);
    ASSERT_TRUE(FitPicture(source, target.picture, RGB(0, 0, 255)));
    const Pixels colour = target.Read();
    auto at = [&](int x, int y) { return colour[static_cast<size_t>(y * 100 + x)]; };
    EXPECT_EQ(at(10, 0), 0x0000FFu) << "transparent: the background";
    EXPECT_EQ(at(89, 0), 0x80007Fu) << "half red over blue";
    EXPECT_EQ(at(10, 79), 0x0000FFu) << "opaque blue";
    EXPECT_EQ(at(5, 40), 0x0000FFu) << "outside the picture";

    source.premultiplied = true;
    source.pixels = {0x00000000, 0x80800000, 0xFF0000FF, 0x00000000};
    ASSERT_TRUE(FitPicture(source, target.picture, RGB(0, 0, 255)));
    EXPECT_EQ(ReadBitmap(target.picture.Bitmap(), kSampleSize), colour)
        << "premultiplied colours give the same picture";
}

// A uniform colour stays itself, placed exactly where the proportions put it.
TEST(PictureFit, LargerPicturesAreShrunkWithTheirProportionsAndCentred) {
    struct Case {
        int width, height;
        RECT placed;
    };
    const Case cases[] = {
        {300, 120, {0, 20, 100, 60}},
        {100, 400, {40, 0, 60, 80}},
        {101, 80, {0, 0, 100, 79}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height);
        TestPicture target(kSampleSize, false);
        ASSERT_TRUE(FitPicture(MakeSource(c.width, c.height, [](int, int) { return 0xFF336699u; }),
                               target.picture, kBackground));
        const Pixels pixels = target.Read();
        int wrong = 0;
        for (int y = 0; y < kSampleSize.cy; ++y)
            for (int x = 0; x < kSampleSize.cx; ++x) {
                const POINT point{x, y};
                const std::uint32_t want =
                    ::PtInRect(&c.placed, point) ? 0x336699 : kBackgroundPixel;
                wrong += pixels[static_cast<size_t>(y * 100 + x)] != want;
            }
        EXPECT_EQ(wrong, 0);
    }
}

// Whether this GDI averages when it shrinks with HALFTONE: Windows does; Wine 8 drops pixels as
// COLORONCOLOR does.
bool GdiAveragesWhenHalftoning() {
    TestPicture probe({1, 1}, false);
    const std::uint32_t pair[] = {0x000000, 0xFFFFFF};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, 2, 1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    ::SetStretchBltMode(probe.picture.DC(), HALFTONE);
    ::SetBrushOrgEx(probe.picture.DC(), 0, 0, nullptr);
    ::StretchDIBits(probe.picture.DC(), 0, 0, 1, 1, 0, 0, 2, 1, pair, &info, DIB_RGB_COLORS,
                    SRCCOPY);
    const std::uint32_t pixel = probe.Read()[0];
    return pixel != 0 && pixel != 0xFFFFFF;
}

TEST(PictureFit, AShrunkPictureKeepsItsTonesWhereGdiHalftones) {
    TestPicture target(kSampleSize, false);
    const SourcePicture checkers =
        MakeSource(200, 160, [](int x, int y) { return (x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u; });
    ASSERT_TRUE(FitPicture(checkers, target.picture, kBackground));
    int greys = 0;
    for (const std::uint32_t pixel : target.Read()) greys += pixel != 0 && pixel != 0xFFFFFF;
    if (!GdiAveragesWhenHalftoning()) {
        std::printf("this GDI does not average with HALFTONE: %d grey pixels\n", greys);
        return;
    }
    EXPECT_GT(greys, 100 * 80 * 9 / 10) << "halved by averaging, not by dropping pixels";
}

TEST(PictureFit, NoPictureOrNoTargetChangesNothing) {
    TestPicture target(kSampleSize, false);
    const PictureState before(target.picture);
    SourcePicture empty;
    SourcePicture short_ = MakeSource(4, 4, DistinctColor);
    short_.pixels.pop_back();
    EXPECT_FALSE(FitPicture(empty, target.picture, kBackground));
    EXPECT_FALSE(FitPicture(short_, target.picture, kBackground));
    EXPECT_TRUE(PictureState(target.picture) == before);
    SamplePicture none(nullptr, 0);
    EXPECT_FALSE(FitPicture(MakeSource(4, 4, DistinctColor), none, kBackground));
}

}  // namespace
