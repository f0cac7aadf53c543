#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "dib_block.h"
#include "dib_header.h"
#include "dib_picture.h"

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;
constexpr std::uint32_t kBlack = 0xFF000000, kWhite = 0xFFFFFFFF;

struct GoodCase {
    const char* name;
    DibFields fields;
    std::vector<std::uint32_t> after;  // masks after the header, colour table
    Bytes bits;
    std::vector<std::uint32_t> expected;  // top-down
    // Cut to this many bytes or more, the block is a whole bitmap of another layout.
    std::size_t wholeFrom = SIZE_MAX;
};

DibFields Fields(std::uint32_t header, int width, int height, std::uint16_t bits,
                 std::uint32_t compression = 0, std::uint32_t colorsUsed = 0) {
    DibFields f;
    f.headerSize = header;
    f.width = width;
    f.height = height;
    f.bitCount = bits;
    f.compression = compression;
    f.colorsUsed = colorsUsed;
    return f;
}

DibFields WithMasks(DibFields f, std::uint32_t r, std::uint32_t g, std::uint32_t b,
                    std::uint32_t a = 0) {
    f.masks[0] = r, f.masks[1] = g, f.masks[2] = b, f.masks[3] = a;
    return f;
}

// Literal bytes as other programs write them: the leftmost pixel in the high bits, bottom-up rows
// unless the height is negative, rows padded to four bytes, channels where the masks say.
std::vector<GoodCase> GoodCases() {
    return {
        {"1-bit, bottom-up, 9 wide: two bytes and padding per row",
         Fields(40, 9, 2, 1),
         {0x000000, 0xFFFFFF},
         {0x80, 0x80, 0, 0, 0x7F, 0x00, 0, 0},
         {kBlack, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kBlack, kWhite, kBlack,
          kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kWhite}},
        {"4-bit, top-down, a table of 3 with an index past it",
         Fields(40, 3, -1, 4, 0, 3),
         {0xFF0000, 0x00FF00, 0x0000FF},
         {0x12, 0x50, 0, 0},
         {kGreen, kBlue, kBlack}},
        {"8-bit with the table's reserved byte set",
         Fields(40, 2, 1, 8, 0, 2),
         {0xAA0000FF, 0x55FF0000},
         {1, 0, 0, 0},
         {kRed, kBlue}},
        {"16-bit BI_RGB is 5-5-5",
         Fields(40, 3, 1, 16),
         {},
         {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0},
         {kRed, kGreen, kBlue}},
        {"16-bit 5-6-5 masks after a BITMAPINFOHEADER",
         Fields(40, 2, 1, 16, 3),
         {0xF800, 0x07E0, 0x001F},
         {0xE0, 0x07, 0x10, 0x00},
         {kGreen, 0xFF000084}},
        {"24-bit, bottom-up, rows padded",
         Fields(40, 1, 2, 24),
         {},
         {0xFF, 0, 0, 0, 0, 0, 0xFF, 0},
         {kRed, kBlue}},
        {"32-bit BI_RGB with zero fourth bytes is opaque",
         Fields(40, 2, -1, 32),
         {},
         {1, 2, 3, 0, 4, 5, 6, 0},
         {0xFF030201, 0xFF060504}},
        {"32-bit with the red mask in the low byte (V2 header)",
         WithMasks(Fields(52, 1, 1, 32, 3), 0xFF, 0xFF00, 0xFF0000),
         {},
         {0x11, 0x22, 0x33, 0x44},
         {0xFF112233}},
        {"32-bit V5 with an alpha mask",
         WithMasks(Fields(124, 2, -1, 32, 3), 0xFF0000, 0xFF00, 0xFF, 0xFF000000),
         {},
         {0, 0, 0xFF, 0x80, 0, 0xFF, 0, 0},
         {0x80FF0000, 0x0000FF00}},
        {"32-bit V5 as Windows converts to it: the masks again after the header",
         WithMasks(Fields(124, 2, -1, 32, 3), 0xFF0000, 0xFF00, 0xFF),
         {0xFF0000, 0xFF00, 0xFF},
         {0, 0, 0xFF, 0, 0, 0xFF, 0, 0},
         {kRed, kGreen},
         124 + 8},  // cut inside its rows: the masks it repeats are read as its pixels
        {"32-bit V5 whose alpha mask is zero in every pixel is opaque",
         WithMasks(Fields(124, 2, -1, 32, 3), 0xFF0000, 0xFF00, 0xFF, 0xFF000000),
         {},
         {0, 0, 0xFF, 0, 0xFF, 0, 0, 0},
         {kRed, kBlue}},
        {"16-bit V3 header with a 1-bit alpha",
         WithMasks(Fields(56, 2, 1, 16, 3), 0x7C00, 0x03E0, 0x001F, 0x8000),
         {},
         {0x00, 0xFC, 0x1F, 0x00},
         {0xFFFF0000, 0x000000FF}},
    };
}

TEST(DibHeader, ReadsEveryKindOfPixelFromLiteralBytes) {
    for (const GoodCase& c : GoodCases()) {
        SCOPED_TRACE(c.name);
        const Bytes block = MakeDib(c.fields, c.after, c.bits);
        const DibReading reading = ReadDibHeader(block.data(), block.size());
        ASSERT_TRUE(reading.Ok()) << reading.reason;
        EXPECT_EQ(reading.layout.bitsOffset + reading.layout.stride * reading.layout.height,
                  block.size());
        const SourcePicture picture =
            DibToPicture(block.data(), block.size(), reading.layout, 4096);
        EXPECT_EQ(picture.width * picture.height, static_cast<int>(c.expected.size()));
        EXPECT_EQ(picture.pixels, c.expected);
    }
}

// Every good block cut short anywhere is refused as damaged, never read past its end (the
// sanitize preset runs this under AddressSanitizer, on blocks of exactly the cut length).
TEST(DibHeader, EveryTruncationOfAGoodBlockIsRefused) {
    for (const GoodCase& c : GoodCases()) {
        const Bytes whole = MakeDib(c.fields, c.after, c.bits);
        for (std::size_t length = 0; length < whole.size(); ++length) {
            const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
            const DibReading reading =
                ReadDibHeader(cut.empty() ? nullptr : cut.data(), cut.size());
            if (length >= c.wholeFrom) {
                EXPECT_TRUE(reading.Ok()) << c.name << ", " << length << " bytes";
                continue;
            }
            EXPECT_EQ(reading.fault, DibFault::Damaged) << c.name << ", " << length << " bytes";
            EXPECT_FALSE(reading.reason.empty());
        }
    }
}

struct BadCase {
    const char* name;
    Bytes block;
    DibFault fault;
};

Bytes Block(DibFields f, std::vector<std::uint32_t> after = {}, std::size_t bits = 64) {
    return MakeDib(f, after, Bytes(bits, 0));
}

Bytes Cut(Bytes block, std::size_t length) {
    block.resize(length);
    return block;
}

std::vector<BadCase> BadCases() {
    DibFields planes = Fields(40, 1, 1, 32);
    planes.planes = 2;
    return {
        {"three bytes", Bytes{40, 0, 0}, DibFault::Damaged},
        {"an OS/2 core header", Block(Fields(12, 1, 1, 24)), DibFault::Damaged},
        {"a header size of 41", Block(Fields(41, 1, 1, 24)), DibFault::Damaged},
        {"a V5 header cut at 100 bytes", Cut(Block(Fields(124, 1, 1, 24)), 100), DibFault::Damaged},
        {"two planes", Block(planes), DibFault::Damaged},
        {"a width of 0", Block(Fields(40, 0, 1, 32)), DibFault::Damaged},
        {"a negative width", Block(Fields(40, -5, 1, 32)), DibFault::Damaged},
        {"a height of 0", Block(Fields(40, 1, 0, 32)), DibFault::Damaged},
        {"the most negative height", Block(Fields(40, 1, INT32_MIN, 32)), DibFault::Damaged},
        {"30000 x 30000", Block(Fields(40, 30000, 30000, 1)), DibFault::TooLarge},
        {"30000 rows top-down", Block(Fields(40, 1, -30000, 1)), DibFault::TooLarge},
        {"2 bits per pixel", Block(Fields(40, 1, 1, 2)), DibFault::Damaged},
        {"0 bits per pixel (PNG)", Block(Fields(40, 1, 1, 0, 5)), DibFault::Unsupported},
        {"run-length 8", Block(Fields(40, 1, 1, 8, 1)), DibFault::Unsupported},
        {"run-length 4", Block(Fields(40, 1, 1, 4, 2)), DibFault::Unsupported},
        {"JPEG inside", Block(Fields(40, 1, 1, 24, 4)), DibFault::Unsupported},
        {"compression 6", Block(Fields(40, 1, 1, 32, 6)), DibFault::Damaged},
        {"masks on 24-bit pixels", Block(Fields(40, 1, 1, 24, 3), {0xFF, 0xFF00, 0xFF0000}),
         DibFault::Damaged},
        {"a mask in pieces", Block(WithMasks(Fields(52, 1, 1, 32, 3), 0xF0F, 0xF000, 0xF0000)),
         DibFault::Damaged},
        {"masks that overlap", Block(WithMasks(Fields(52, 1, 1, 32, 3), 0xFF, 0x1FF00, 0xFF0000)),
         DibFault::Damaged},
        {"a 16-bit mask past 16 bits",
         Block(WithMasks(Fields(52, 1, 1, 16, 3), 0x1F0000, 0x7E0, 0x1F)), DibFault::Damaged},
        {"an alpha mask over the colours", Block(WithMasks(Fields(56, 1, 1, 32, 0), 0, 0, 0, 0xFF)),
         DibFault::Damaged},
        {"one of three masks after the header", Block(Fields(40, 1, 1, 16, 3), {0xF800}, 0),
         DibFault::Damaged},
        {"257 colours for 8-bit pixels",
         Block(Fields(40, 1, 1, 8, 0, 257), std::vector<std::uint32_t>(257)), DibFault::Damaged},
        {"4 billion colours on 32-bit pixels", Block(Fields(40, 1, 1, 32, 0, 0xFFFFFFFF)),
         DibFault::Damaged},
        {"the last row one byte short", MakeDib(Fields(40, 3, 2, 24), {}, Bytes(23, 0)),
         DibFault::Damaged},
        {"29999 x 29999 with no rows at all", Block(Fields(40, 29999, 29999, 32), {}, 16),
         DibFault::Damaged},
    };
}

TEST(DibHeader, RefusesHostileHeadersWithAReason) {
    for (const BadCase& c : BadCases()) {
        const DibReading reading = ReadDibHeader(c.block.data(), c.block.size());
        EXPECT_EQ(reading.fault, c.fault) << c.name << ": " << reading.reason;
        EXPECT_FALSE(reading.reason.empty()) << c.name;
        EXPECT_EQ(reading.reason.find('\n'), std::string::npos) << c.name;
    }
    const Bytes huge = Block(Fields(40, 30000, -31000, 1));
    const DibReading reading = ReadDibHeader(huge.data(), huge.size());
    EXPECT_EQ(reading.layout.width, 30000) << "the size claimed, for the message";
    EXPECT_EQ(reading.layout.height, 31000);
}

// The reasons that carry a number from the header, as the status line shows them.
TEST(DibHeader, NamesTheNumberThatIsWrong) {
    const struct {
        Bytes block;
        const char* reason;
    } cases[] = {
        {Block(Fields(40, -5, 1, 32)), "a width of -5 pixels"},
        {Block(Fields(40, 0, 1, 32)), "a width of 0 pixels"},
        {Block(Fields(40, 1, 1, 2)), "2 bits per pixel"},
        {Block(Fields(40, 1, 1, 32, 4000000000u)), "an unknown compression (4000000000)"},
        {Block(Fields(40, 1, 1, 8, 3), {0xFF, 0xFF00, 0xFF0000}), "colour masks on 8-bit pixels"},
        {Block(Fields(40, 1, 1, 24, 1)), "run-length compressed bitmaps are not read"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadDibHeader(c.block.data(), c.block.size()).reason, c.reason);
}

}  // namespace
