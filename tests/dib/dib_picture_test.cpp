#include <gtest/gtest.h>

#include "dib_block.h"
#include "dib_header.h"
#include "dib_picture.h"

namespace {

SourcePicture Read(const Bytes& block, int maxSide = 4096) {
    const DibReading reading = ReadDibHeader(block.data(), block.size());
    EXPECT_TRUE(reading.Ok()) << reading.reason;
    return DibToPicture(block.data(), block.size(), reading.layout, maxSide);
}

DibFields ThirtyTwo(std::uint32_t header, int width, std::uint32_t alphaMask) {
    DibFields f;
    f.headerSize = header;
    f.width = width;
    f.height = -1;
    f.compression = alphaMask ? 3 : 0;
    f.masks[0] = 0xFF0000, f.masks[1] = 0xFF00, f.masks[2] = 0xFF, f.masks[3] = alphaMask;
    return f;
}

// The shell's rules: a CF_DIB's fourth bytes mean alpha only when one is not zero; a CF_DIBV5's
// alpha mask always does. Colours never above their alpha count as premultiplied.
TEST(DibPicture, AlphaAsTheShellTakesIt) {
    struct Case {
        const char* name;
        DibFields fields;
        Bytes bits;
        bool hasAlpha;
        bool premultiplied;
        std::vector<std::uint32_t> pixels;
    };
    const Case cases[] = {
        {"CF_DIB, fourth bytes all zero",
         ThirtyTwo(40, 2, 0),
         {9, 8, 7, 0, 6, 5, 4, 0},
         false,
         false,
         {0xFF070809, 0xFF040506}},
        {"CF_DIB, one fourth byte set",
         ThirtyTwo(40, 2, 0),
         {9, 8, 7, 0, 6, 5, 4, 0x80},
         true,
         false,
         {0x00070809, 0x80040506}},
        {"CF_DIBV5, all alpha zero: opaque, as the shell takes CF_DIB",
         ThirtyTwo(124, 2, 0xFF000000),
         {0, 0, 0, 0, 1, 2, 3, 0},
         false,
         false,
         {0xFF000000, 0xFF030201}},
        {"CF_DIBV5, all alpha 255: opaque after all",
         ThirtyTwo(124, 1, 0xFF000000),
         {1, 2, 3, 255},
         false,
         false,
         {0xFF030201}},
        {"CF_DIBV5, premultiplied",
         ThirtyTwo(124, 2, 0xFF000000),
         {0x40, 0x40, 0x80, 0x80, 0, 0, 0, 0},
         true,
         true,
         {0x80804040, 0x00000000}},
        {"CF_DIBV5, straight",
         ThirtyTwo(124, 2, 0xFF000000),
         {0x40, 0x40, 0xFF, 0x80, 0, 0, 0, 0},
         true,
         false,
         {0x80FF4040, 0x00000000}},
    };
    for (const Case& c : cases) {
        const SourcePicture picture = Read(MakeDib(c.fields, {}, c.bits));
        EXPECT_EQ(picture.hasAlpha, c.hasAlpha) << c.name;
        EXPECT_EQ(picture.premultiplied, c.premultiplied) << c.name;
        EXPECT_EQ(picture.pixels, c.pixels) << c.name;
    }
}

// A 10 x 4 picture at most 4 pixels a side: a factor of 3, so 4 x 2 pixels, each the rounded mean
// of its square, the squares on the right and bottom edges narrower.
TEST(DibPicture, ReducesByAWholeFactorAveragingEachSquare) {
    DibFields f;
    f.width = 10;
    f.height = -4;
    f.bitCount = 24;
    Bytes bits;
    auto source = [](int x, int y) { return std::uint32_t(0xFF000000 | (y * 40) << 8 | x * 25); };
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 10; ++x)
            bits.insert(bits.end(), {std::uint8_t(x * 25), std::uint8_t(y * 40), 0});
        bits.insert(bits.end(), {0, 0});  // 30 bytes padded to 32
    }
    const SourcePicture picture = Read(MakeDib(f, {}, bits), 4);
    ASSERT_EQ(picture.width, 4);
    ASSERT_EQ(picture.height, 2);
    for (int oy = 0; oy < 2; ++oy)
        for (int ox = 0; ox < 4; ++ox) {
            unsigned blue = 0, green = 0, count = 0;
            for (int y = oy * 3; y < std::min(4, oy * 3 + 3); ++y)
                for (int x = ox * 3; x < std::min(10, ox * 3 + 3); ++x, ++count) {
                    blue += source(x, y) & 0xFF;
                    green += (source(x, y) >> 8) & 0xFF;
                }
            const std::uint32_t expected =
                0xFF000000 | ((green + count / 2) / count) << 8 | (blue + count / 2) / count;
            EXPECT_EQ(picture.pixels[oy * 4 + ox], expected) << ox << ", " << oy;
        }
}

// The largest side a header may claim, 1 bit deep: a few kilobytes of block, read in at most
// 4096 x 4096 pixels however many it claims.
TEST(DibPicture, AHugeCheapBitmapStaysSmallInMemory) {
    DibFields f;
    f.width = 29999;
    f.height = 2;
    f.bitCount = 1;
    const std::size_t stride = (29999 + 31) / 32 * 4;
    const SourcePicture picture = Read(MakeDib(f, {0x000000, 0xFFFFFF}, Bytes(stride * 2, 0xFF)));
    ASSERT_EQ(picture.width, 3750);
    ASSERT_EQ(picture.height, 1);
    EXPECT_EQ(picture.pixels.front(), 0xFFFFFFFFu);
    EXPECT_EQ(picture.pixels.back(), 0xFFFFFFFFu) << "the last square holds 7 columns";
}

TEST(DibPicture, ALayoutThatDoesNotFitTheBlockGivesNoPicture) {
    DibFields f;
    f.width = 4;
    const Bytes block = MakeDib(f, {}, Bytes(16, 0));
    const DibReading reading = ReadDibHeader(block.data(), block.size());
    ASSERT_TRUE(reading.Ok());
    EXPECT_TRUE(DibToPicture(block.data(), block.size() - 1, reading.layout, 64).pixels.empty());
    EXPECT_TRUE(DibToPicture(nullptr, 0, reading.layout, 64).pixels.empty());
}

}  // namespace
