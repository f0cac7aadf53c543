#pragma once

// The header of a packed device-independent bitmap, as the clipboard holds one under CF_DIB or
// CF_DIBV5: a BITMAPINFOHEADER or a larger header of its family (V2, V3, V4, V5), the colour
// masks, the colour table, then the rows. The bytes come from another program: every length is
// checked against the block with arithmetic that cannot overflow, and nothing is read past it.
// Fields are read byte by byte in little-endian order, so this holds on any machine.

#include <cstddef>
#include <cstdint>
#include <string>

// A side of this many pixels or more is refused before any pixel is read.
constexpr std::int32_t kDibSideLimit = 30000;

enum class DibCompression { Rgb, Bitfields };

enum class DibFault {
    None,
    Damaged,      // a length or field that cannot be: short, truncated, contradictory
    Unsupported,  // a valid bitmap of a kind not read here (run-length, JPEG or PNG inside)
    TooLarge,     // a side of kDibSideLimit or more; the layout has the size claimed
};

// Where a channel's bits are in a 16- or 32-bit pixel; 0 for a channel the pixel lacks.
struct DibChannelMasks {
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
    std::uint32_t alpha = 0;
};

struct DibLayout {
    std::int32_t width = 0;        // 1 to kDibSideLimit - 1 when read
    std::int32_t height = 0;       // rows, whichever way they run
    bool topDown = false;          // the first row in the block is the top one (a negative height)
    std::uint32_t headerSize = 0;  // 40, 52, 56, 108 or 124
    std::uint16_t bitCount = 0;    // 1, 4, 8, 16, 24 or 32
    DibCompression compression = DibCompression::Rgb;
    DibChannelMasks masks;         // 16 and 32 bits: the header's or BI_RGB's fixed ones
    std::uint32_t colorCount = 0;  // entries of four bytes in the colour table
    std::size_t colorTableOffset = 0;
    std::size_t bitsOffset = 0;
    std::size_t stride = 0;  // bytes per row, a multiple of four
    // An alpha mask in the header, or a 32-bit BI_RGB pixel whose fourth byte is not zero (the
    // shell's rule: most programs leave that byte zero and mean no transparency by it).
    bool hasAlpha = false;
};

struct DibReading {
    DibFault fault = DibFault::Damaged;
    std::string reason;  // what is wrong, a phrase in lower case; empty when read
    DibLayout layout;
    bool Ok() const { return fault == DibFault::None; }
};

DibReading ReadDibHeader(const std::uint8_t* block, std::size_t size);
