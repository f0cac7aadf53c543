#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "picture_file.h"
#include "picture_test_encoder.h"
#include "picture_test_support.h"
#include "tiff_bytes.h"

namespace {

enum Corner { kTopLeft, kTopRight, kBottomLeft, kBottomRight };

std::uint32_t CornerOf(const SourcePicture& picture, Corner corner) {
    const int x = corner == kTopRight || corner == kBottomRight ? picture.width - 1 : 0;
    const int y = corner == kBottomLeft || corner == kBottomRight ? picture.height - 1 : 0;
    return picture.pixels[static_cast<size_t>(y) * picture.width + x];
}

std::uint32_t Gradient(int x, int y) { return 0xFF102030u + 0x400000u * x + 0x40u * y; }

// A camera writes how it was held and leaves the pixels as the sensor saw them. Each orientation
// says where the file's first row lands: its first and last pixel in the picture as it stands.
TEST(PictureFiles, APhotoStandsAsItsOrientationSays) {
    const struct {
        int orientation;
        Corner firstPixel, lastOfFirstRow;
    } cases[] = {
        {1, kTopLeft, kTopRight},       {2, kTopRight, kTopLeft},   {3, kBottomRight, kBottomLeft},
        {4, kBottomLeft, kBottomRight}, {5, kTopLeft, kBottomLeft}, {6, kTopRight, kBottomRight},
        {7, kBottomRight, kTopRight},   {8, kBottomLeft, kTopLeft},
    };
    const TestFolder folder;
    constexpr int kWidth = 3, kHeight = 2;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.orientation);
        folder.WriteBytes(L"photo.tif",
                          TiffBytes(kWidth, kHeight, TiffPixels::Rgb8, c.orientation, Gradient));
        const PictureReading reading = ReadPictureFile(folder.Path(L"photo.tif").c_str());
        ASSERT_TRUE(reading.Ok());
        const bool turned = c.orientation >= 5;
        ASSERT_EQ(reading.picture.width, turned ? kHeight : kWidth);
        ASSERT_EQ(reading.picture.height, turned ? kWidth : kHeight);
        EXPECT_EQ(CornerOf(reading.picture, c.firstPixel), Gradient(0, 0));
        EXPECT_EQ(CornerOf(reading.picture, c.lastOfFirstRow), Gradient(kWidth - 1, 0));
    }
}

SourcePicture Solid(int width, int height, std::uint32_t color) {
    return MakeSource(width, height, [color](int, int) { return color; });
}

// An icon opens at its largest image; an animation or a multi-page TIFF at its first frame, and
// the window says there are more.
TEST(PictureFiles, AnIconOpensLargestAndAFileOfFramesAtItsFirst) {
    const TestFolder folder;
    const std::vector<SourcePicture> frames = {Solid(6, 4, 0xFF0000FF), Solid(6, 4, 0xFFFF0000)};
    ASSERT_EQ(WriteFramesFile(folder.Path(L"walk.gif"), TestFileFormat::Gif, frames), S_OK);
    ASSERT_EQ(WriteFramesFile(folder.Path(L"pages.tif"), TestFileFormat::Tiff, frames), S_OK);
    ASSERT_EQ(WriteIconFile(folder.Path(L"app.ico"),
                            {Solid(16, 16, 0xFFFF0000), Solid(48, 48, 0xFF00FF00),
                             Solid(32, 32, 0xFF0000FF)}),
              S_OK);
    struct Case {
        const wchar_t* name;
        int side;
        std::uint32_t color;
        CStringW note;
    };
    const Case cases[] = {
        {L"walk.gif", 6, 0xFF0000FF, "Opened the first of 2 frames: walk.gif"},
        {L"pages.tif", 6, 0xFF0000FF, "Opened the first of 2 frames: pages.tif"},
        {L"app.ico", 48, 0xFF00FF00, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.name);
        const PictureReading reading = ReadPictureFile(folder.Path(c.name).c_str());
        ASSERT_TRUE(reading.Ok()) << reading.fault;
        EXPECT_EQ(reading.picture.width, c.side);
        EXPECT_EQ(reading.picture.pixels.front(), c.color);
        EXPECT_TRUE(reading.note == c.note) << reading.note;
    }
}

}  // namespace
