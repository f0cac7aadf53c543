#include <gtest/gtest.h>

#include <string>

#include "bgra_pixel.h"
#include "picture_placement.h"
#include "picture_signature.h"

namespace {

TEST(PicturePlacement, ExactEnlargedOrShrunkAndCentredRoundingDown) {
    struct Case {
        int pictureWidth, pictureHeight, sampleWidth, sampleHeight;
        PicturePlacement expected;  // left, top, width, height, factor
    };
    const Case cases[] = {
        {100, 80, 100, 80, {0, 0, 100, 80, 1}},
        {7, 5, 100, 80, {1, 5, 98, 70, 14}},  // 14 across, 16 down: 14 both ways
        {1, 1, 100, 80, {10, 0, 80, 80, 80}},
        {50, 80, 100, 80, {25, 0, 50, 80, 1}},   // one side exact: not enlarged
        {33, 26, 100, 80, {0, 1, 99, 78, 3}},    // (80 - 78) / 2
        {34, 27, 101, 81, {16, 13, 68, 54, 2}},  // (101 - 68) / 2 rounds down
        {200, 100, 100, 80, {0, 15, 100, 50, 0}},
        {100, 400, 100, 80, {40, 0, 20, 80, 0}},
        {101, 80, 100, 80, {0, 0, 100, 79, 0}},  // 80 x 100 / 101 = 79.2
        {5000, 1, 100, 80, {0, 39, 100, 1, 0}},  // never less than a pixel
        {1, 29999, 100, 80, {49, 0, 1, 80, 0}},
        {120, 96, 100, 80, {0, 0, 100, 80, 0}},  // the sample's proportions
    };
    for (const Case& c : cases) {
        const PicturePlacement p =
            PlacePicture(c.pictureWidth, c.pictureHeight, c.sampleWidth, c.sampleHeight);
        const PicturePlacement& e = c.expected;
        EXPECT_EQ((std::vector<int>{p.left, p.top, p.width, p.height, p.factor}),
                  (std::vector<int>{e.left, e.top, e.width, e.height, e.factor}))
            << c.pictureWidth << " x " << c.pictureHeight << " into " << c.sampleWidth << " x "
            << c.sampleHeight;
    }
}

TEST(PicturePixels, AlphaOverTheBackgroundStraightOrPremultiplied) {
    struct Case {
        std::uint32_t pixel, background;
        bool premultiplied;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {0xFF123456, 0xABCDEF, false, 0xFF123456},  // opaque: the pixel
        {0x00123456, 0xABCDEF, false, 0xFFABCDEF},  // transparent: the background
        {0x00000000, 0xABCDEF, true, 0xFFABCDEF},
        {0x80FF0000, 0x0000FF, false, 0xFF80007F},  // half red over blue
        {0x80800000, 0x0000FF, true, 0xFF80007F},   // the same, premultiplied
        {0x80FFFFFF, 0xFFFFFF, true, 0xFFFFFFFF},   // a bad premultiplied value stays in range
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComposeOver(c.pixel, c.background, c.premultiplied), c.expected)
            << std::hex << c.pixel << " over " << c.background;
}

TEST(PicturePixels, LightAtALuminanceOf128AndAbove) {
    struct Case {
        std::uint32_t pixel;
        bool light;
    };
    const Case cases[] = {
        {0xFF808080, true},  {0xFF7F7F7F, false}, {0xFFFFFFFF, true},
        {0xFF000000, false}, {0xFFFF0000, false},  // red: 76.2
        {0xFF00FF00, true},                        // green: 149.7
        {0xFF0000FF, false},                       // blue: 29.1
        {0xFFFFFF00, true},                        // yellow: 226
        {0xFF00DE00, true},                        // 587 x 222 / 1000 = 130.3
        {0xFF00DA00, false},                       // 127.97: the division rounds down
        {0x00FFFFFF, true},                        // alpha plays no part
    };
    for (const Case& c : cases) EXPECT_EQ(IsLight(c.pixel), c.light) << std::hex << c.pixel;
}

}  // namespace

namespace {

TEST(PictureSignature, TellsPictureFilesFromOthersByTheirFirstBytes) {
    struct Case {
        std::string bytes;
        bool picture;
    };
    const Case cases[] = {
        {"BM\x36\0", true},
        {std::string("\x89PNG\r\n\x1A\n", 8), true},
        {"GIF89a", true},
        {"GIF87a", true},
        {"\xFF\xD8\xFF\xE0", true},
        {std::string("II*\0", 4), true},
        {std::string("MM\0*", 4), true},
        {std::string("\0\0\1\0", 4), true},
        {"hello", false},
        {"", false},
        {std::string("\x89PNG\r\n", 6), false},  // too short to tell
        {"GIF8", false},
        {"B", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StartsLikeAPicture(reinterpret_cast<const std::uint8_t*>(c.bytes.data()),
                                     c.bytes.size()),
                  c.picture)
            << c.bytes;
}

}  // namespace
