#include "dib_header.h"

#include <initializer_list>

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiJpeg = 4;
constexpr std::uint32_t kBiPng = 5;

constexpr std::size_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER: masks, if any, follow it
constexpr std::size_t kMasksOffset = 40;     // the V2 header and later hold them here
constexpr std::size_t kAlphaMaskEnd = 56;    // the V3 header and later hold an alpha mask

std::uint16_t Read16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

std::uint32_t Read32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

DibReading Refuse(DibFault fault, std::string reason) {
    DibReading reading;
    reading.fault = fault;
    reading.reason = std::move(reason);
    return reading;
}

DibReading Damaged(const char* reason) { return Refuse(DibFault::Damaged, reason); }

// A reason with a number in it: "a width of -5 pixels".
std::string Phrase(const char* before, std::int64_t number, const char* after) {
    std::string phrase = before;
    phrase += std::to_string(number);
    phrase += after;
    return phrase;
}

bool IsHeaderSize(std::uint32_t size) {
    for (const std::uint32_t known : {40u, 52u, 56u, 108u, 124u})
        if (size == known) return true;
    return false;
}

// A mask that is one run of bits, within the pixel (or none).
bool IsRunOfBits(std::uint32_t mask, std::uint16_t bitCount) {
    if (bitCount < 32 && (mask >> bitCount) != 0) return false;
    if (mask == 0) return true;
    while ((mask & 1u) == 0) mask >>= 1;
    return (mask & (mask + 1)) == 0;
}

// The fixed channels of BI_RGB: 5-5-5 in 16 bits, 8-8-8 in 24 and 32.
DibChannelMasks RgbMasks(std::uint16_t bitCount) {
    if (bitCount == 16) return {0x7C00, 0x03E0, 0x001F, 0};
    return {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
}

// Null when the masks are sound.
const char* CheckMasks(const DibChannelMasks& m, std::uint16_t bitCount) {
    const std::uint32_t all[] = {m.red, m.green, m.blue, m.alpha};
    for (const std::uint32_t mask : all)
        if (!IsRunOfBits(mask, bitCount)) return "a colour mask that is not one run of bits";
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            if (all[i] & all[j]) return "colour masks that overlap";
    return nullptr;
}

// A reading that is Ok() when the compression and the pixel size are read here.
DibReading CheckCompression(std::uint32_t compression, std::uint16_t bitCount) {
    if (compression == kBiRle8 || compression == kBiRle4)
        return Refuse(DibFault::Unsupported, "run-length compressed bitmaps are not read");
    if (compression == kBiJpeg || compression == kBiPng)
        return Refuse(DibFault::Unsupported, "a JPEG or PNG inside a bitmap is not read");
    if (compression != kBiRgb && compression != kBiBitfields)
        return Refuse(DibFault::Damaged, Phrase("an unknown compression (", compression, ")"));
    const bool palette = bitCount == 1 || bitCount == 4 || bitCount == 8;
    const bool masked = bitCount == 16 || bitCount == 32;
    if (!palette && !masked && bitCount != 24)
        return Refuse(DibFault::Damaged, Phrase("", bitCount, " bits per pixel"));
    if (compression == kBiBitfields && !masked)
        return Refuse(DibFault::Damaged, Phrase("colour masks on ", bitCount, "-bit pixels"));
    return Refuse(DibFault::None, {});
}

struct Cursor {
    const std::uint8_t* block;
    std::size_t size;
    std::size_t offset;  // never past size
    bool Take(std::size_t bytes) {
        if (bytes > size - offset) return false;
        offset += bytes;
        return true;
    }
};

// Colour masks (BI_BITFIELDS, after a BITMAPINFOHEADER or in a larger header), an alpha mask
// where the header has one, and the colour table after them. False when the block ends first.
bool ReadMasksAndTable(Cursor& at, std::uint32_t compression, std::uint32_t colorsUsed,
                       DibLayout& layout) {
    const std::uint8_t* header = at.block;
    if (layout.bitCount > 8) layout.masks = RgbMasks(layout.bitCount);
    if (compression == kBiBitfields) {
        const std::uint8_t* masks = header + kMasksOffset;
        if (layout.headerSize == kInfoHeaderSize && !at.Take(12)) return false;
        layout.masks = {Read32(masks), Read32(masks + 4), Read32(masks + 8), 0};
    }
    const bool masked = layout.bitCount == 16 || layout.bitCount == 32;
    if (masked && layout.headerSize >= kAlphaMaskEnd) layout.masks.alpha = Read32(header + 52);
    layout.colorTableOffset = at.offset;
    const bool palette = layout.bitCount <= 8;
    layout.colorCount = palette && colorsUsed == 0 ? 1u << layout.bitCount : colorsUsed;
    if (layout.colorCount > (at.size - at.offset) / 4) return false;
    at.offset += std::size_t{layout.colorCount} * 4;
    layout.bitsOffset = at.offset;
    return true;
}

// Some pixel has a bit of the alpha mask set. None means opaque, as the shell takes 32-bit
// BI_RGB whose fourth bytes are all zero: most programs that write an alpha mask leave it so.
bool AnyAlphaBitSet(const std::uint8_t* block, const DibLayout& layout) {
    const std::size_t bytes = layout.bitCount / 8u;
    for (std::int32_t row = 0; row < layout.height; ++row) {
        const std::uint8_t* pixel = block + layout.bitsOffset + layout.stride * row;
        for (std::int32_t x = 0; x < layout.width; ++x, pixel += bytes) {
            const std::uint32_t value = bytes == 4 ? Read32(pixel) : Read16(pixel);
            if (value & layout.masks.alpha) return true;
        }
    }
    return false;
}

// Windows' own conversion to CF_DIBV5 writes the three colour masks after a header that holds
// them already, as if it were a BITMAPINFOHEADER. Taken as pixels, they would shift the picture
// by their size and show as coloured dots, so where they repeat the header's and the block has
// room for them as well as every row, they are passed over.
void PassRepeatedMasks(const std::uint8_t* block, std::size_t size, DibLayout& layout) {
    if (layout.compression != DibCompression::Bitfields || layout.headerSize == kInfoHeaderSize)
        return;
    const std::size_t rows = layout.stride * static_cast<std::size_t>(layout.height);
    if (size - layout.bitsOffset < rows || size - layout.bitsOffset - rows < 12) return;
    const std::uint8_t* after = block + layout.colorTableOffset;
    if (Read32(after) != layout.masks.red || Read32(after + 4) != layout.masks.green ||
        Read32(after + 8) != layout.masks.blue)
        return;
    layout.colorTableOffset += 12;
    layout.bitsOffset += 12;
}

DibReading ReadSizes(const std::uint8_t* block, DibLayout& layout) {
    const std::int32_t width = static_cast<std::int32_t>(Read32(block + 4));
    const std::int32_t height = static_cast<std::int32_t>(Read32(block + 8));
    if (Read16(block + 12) != 1) return Damaged("a plane count other than one");
    if (width <= 0) return Refuse(DibFault::Damaged, Phrase("a width of ", width, " pixels"));
    if (height == 0 || height == INT32_MIN) return Damaged("a height that is no number of rows");
    layout.width = width;
    layout.height = height < 0 ? -height : height;
    layout.topDown = height < 0;
    if (layout.width >= kDibSideLimit || layout.height >= kDibSideLimit) {
        DibReading tooLarge = Refuse(DibFault::TooLarge, "a picture too large to open");
        tooLarge.layout = layout;
        return tooLarge;
    }
    return Refuse(DibFault::None, {});
}

}  // namespace

DibReading ReadDibHeader(const std::uint8_t* block, std::size_t size) {
    if (!block || size < 4) return Damaged("too few bytes for a bitmap header");
    DibLayout layout;
    layout.headerSize = Read32(block);
    if (!IsHeaderSize(layout.headerSize)) return Damaged("a header size that no bitmap has");
    if (size < layout.headerSize) return Damaged("a block that ends inside its header");
    const DibReading sizes = ReadSizes(block, layout);
    if (!sizes.Ok()) return sizes;
    layout.bitCount = Read16(block + 14);
    const std::uint32_t compression = Read32(block + 16);
    const DibReading compressionRead = CheckCompression(compression, layout.bitCount);
    if (!compressionRead.Ok()) return compressionRead;
    layout.compression =
        compression == kBiBitfields ? DibCompression::Bitfields : DibCompression::Rgb;

    Cursor at{block, size, layout.headerSize};
    if (!ReadMasksAndTable(at, compression, Read32(block + 32), layout))
        return Damaged("a block that ends inside its colour masks or table");
    if (layout.bitCount <= 8 && layout.colorCount > (1u << layout.bitCount))
        return Damaged("more colours in the table than the pixels can name");
    if (const char* masksFault = CheckMasks(layout.masks, layout.bitCount))
        return Damaged(masksFault);

    // Both sides are below kDibSideLimit, so none of this can overflow.
    layout.stride =
        (std::size_t{static_cast<std::uint32_t>(layout.width)} * layout.bitCount + 31) / 32 * 4;
    PassRepeatedMasks(block, size, layout);
    if (layout.stride * static_cast<std::size_t>(layout.height) > size - layout.bitsOffset)
        return Damaged("a block that ends before its last row");
    const bool rgbWithFourthBytes = layout.bitCount == 32 && compression == kBiRgb;
    if (rgbWithFourthBytes) layout.masks.alpha = 0xFF000000u;
    layout.hasAlpha = layout.masks.alpha != 0 && AnyAlphaBitSet(block, layout);
    if (rgbWithFourthBytes && !layout.hasAlpha) layout.masks.alpha = 0;
    DibReading reading = Refuse(DibFault::None, {});
    reading.layout = layout;
    return reading;
}
