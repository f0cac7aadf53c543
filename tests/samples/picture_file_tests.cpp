#include <gtest/gtest.h>

#include <cstdlib>

#include "picture_file.h"
#include "picture_fit.h"
#include "picture_test_encoder.h"
#include "picture_test_support.h"

namespace {

bool Near(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) -
                     static_cast<int>((b >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}

// Four quarters of clear colours, so JPEG's losses still leave each recognisable.
std::uint32_t Quarters(int x, int y) {
    static const std::uint32_t colors[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00};
    return colors[(x >= 8) + 2 * (y >= 8)];
}

TEST(PictureFiles, BmpPngGifAndJpegWrittenByWicReadBack) {
    struct Case {
        const wchar_t* name;
        TestFileFormat format;
        SourcePicture picture;
        int tolerance;  // 0: every pixel exact
    };
    const Case cases[] = {
        {L"sprite.bmp", TestFileFormat::Bmp, MakeSource(7, 5, DistinctColor), 0},
        {L"sprite.png", TestFileFormat::Png, MakeSource(7, 5, DistinctColor), 0},
        {L"sprite.gif", TestFileFormat::Gif, MakeSource(7, 5, DistinctColor), 0},
        {L"photo.jpg", TestFileFormat::Jpeg, MakeSource(16, 16, Quarters), 40},
    };
    const TestFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.name);
        ASSERT_EQ(WritePictureFile(folder.Path(c.name), c.format, c.picture), S_OK);
        const PictureReading reading = ReadPictureFile(folder.Path(c.name).c_str());
        ASSERT_TRUE(reading.Ok()) << reading.fault;
        ASSERT_EQ(reading.picture.width, c.picture.width);
        ASSERT_EQ(reading.picture.height, c.picture.height);
        EXPECT_FALSE(reading.picture.hasAlpha);
        if (c.tolerance == 0) {
            EXPECT_EQ(reading.picture.pixels, c.picture.pixels);
            continue;
        }
        for (const POINT p : {POINT{3, 3}, POINT{12, 3}, POINT{3, 12}, POINT{12, 12}}) {
            const size_t at = static_cast<size_t>(p.y * 16 + p.x);
            EXPECT_TRUE(Near(reading.picture.pixels[at], c.picture.pixels[at], c.tolerance))
                << std::hex << reading.picture.pixels[at] << " at " << std::dec << p.x << ", "
                << p.y;
        }
    }
}

TEST(PictureFiles, ATransparentPngIsComposedOverTheBackground) {
    const TestFolder folder;
    const SourcePicture picture =
        MakeSource(10, 8, [](int x, int) { return x < 5 ? 0x00FFFFFFu : 0x80FF0000u; });
    ASSERT_EQ(WritePictureFile(folder.Path(L"ghost.png"), TestFileFormat::Png, picture), S_OK);
    const PictureReading reading = ReadPictureFile(folder.Path(L"ghost.png").c_str());
    ASSERT_TRUE(reading.Ok()) << reading.fault;
    EXPECT_TRUE(reading.picture.hasAlpha);
    EXPECT_FALSE(reading.picture.premultiplied) << "files hold straight alpha";

    TestPicture target(kSampleSize, false);  // 10 x 8 is enlarged 10 times: all of it
    ASSERT_TRUE(FitPicture(reading.picture, target.picture, RGB(0, 0, 255)));
    const Pixels pixels = target.Read();
    EXPECT_EQ(pixels[0], 0x0000FFu) << "transparent: the background";
    EXPECT_EQ(pixels[99], 0x80007Fu) << "half red over blue";
}

// Larger than kLargestReadSide: scaled by WIC while it is decoded, proportions kept.
TEST(PictureFiles, AVeryWidePictureIsReadScaledToTheLargestSide) {
    const TestFolder folder;
    ASSERT_EQ(WritePictureFile(folder.Path(L"banner.png"), TestFileFormat::Png,
                               MakeSource(4200, 30, [](int, int) { return 0xFF336699u; })),
              S_OK);
    const PictureReading reading = ReadPictureFile(folder.Path(L"banner.png").c_str());
    ASSERT_TRUE(reading.Ok()) << reading.fault;
    EXPECT_EQ(reading.picture.width, kLargestReadSide);
    EXPECT_EQ(reading.picture.height, 29);  // 30 x 4096 / 4200 = 29.3
    EXPECT_TRUE(Near(reading.picture.pixels[1000], 0x336699, 2));
}

}  // namespace
