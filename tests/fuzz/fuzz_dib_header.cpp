// A CF_DIB or CF_DIBV5 block from another program: the header reader and the conversion of what
// it accepts. libFuzzer hands over exactly `size` bytes, so AddressSanitizer stops any read past
// the block; the checks below hold the description to the block it came from.

#include <algorithm>

#include "dib_header.h"
#include "dib_picture.h"
#include "fuzz_checks.h"

namespace {

constexpr int kMaxSide = 64;  // small, so each input converts quickly whatever it claims

bool IsBitCount(std::uint16_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

void CheckRefusal(const DibReading& reading, std::string_view block) {
    FuzzRequire(!reading.reason.empty() && IsPrintable(reading.reason, false),
                "a refusal says why on one printable line", block);
    if (reading.fault != DibFault::TooLarge) return;
    FuzzRequire(reading.layout.width >= kDibSideLimit || reading.layout.height >= kDibSideLimit,
                "a picture refused as too large claims a side of the limit or more", block);
}

void CheckLayout(const DibLayout& l, std::size_t size, std::string_view block) {
    FuzzRequire(
        l.width >= 1 && l.width < kDibSideLimit && l.height >= 1 && l.height < kDibSideLimit,
        "both sides are 1 to the limit", block);
    FuzzRequire(IsBitCount(l.bitCount), "a bit count a bitmap can have", block);
    FuzzRequire(l.bitCount > 8 || l.colorCount <= (1u << l.bitCount),
                "a palette no larger than its pixels can name", block);
    FuzzRequire(l.headerSize <= l.colorTableOffset &&
                    l.colorTableOffset + std::size_t{l.colorCount} * 4 == l.bitsOffset,
                "header, masks, table and rows follow one another", block);
    const std::size_t rowBits = static_cast<std::size_t>(l.width) * l.bitCount;
    FuzzRequire(l.stride % 4 == 0 && l.stride * 8 >= rowBits && l.stride * 8 < rowBits + 32,
                "a row is the pixels' bits padded to four bytes", block);
    FuzzRequire(l.bitsOffset <= size &&
                    l.stride * static_cast<std::size_t>(l.height) <= size - l.bitsOffset,
                "every row lies inside the block", block);
    FuzzRequire(!l.hasAlpha || l.masks.alpha != 0, "alpha only where a mask names it", block);
}

void CheckPicture(const SourcePicture& p, const DibLayout& l, std::string_view block) {
    FuzzRequire(p.width >= 1 && p.height >= 1 && std::max(p.width, p.height) <= kMaxSide &&
                    p.pixels.size() == static_cast<std::size_t>(p.width) * p.height,
                "the picture has pixels for its size, none past the limit", block);
    const int factor = (std::max(l.width, l.height) + kMaxSide - 1) / kMaxSide;
    FuzzRequire(
        p.width == (l.width + factor - 1) / factor && p.height == (l.height + factor - 1) / factor,
        "the picture is the bitmap reduced by one whole factor", block);
    bool opaque = true;
    for (const std::uint32_t pixel : p.pixels) opaque &= (pixel >> 24) == 0xFF;
    FuzzRequire(
        p.hasAlpha == !opaque && (p.hasAlpha || !p.premultiplied) && (l.hasAlpha || !p.hasAlpha),
        "alpha only where the bitmap has it, and only where some pixel is not opaque", block);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view block = FuzzInput(data, size);
    const DibReading reading = ReadDibHeader(data, size);
    if (!reading.Ok()) {
        CheckRefusal(reading, block);
        return 0;
    }
    CheckLayout(reading.layout, size, block);
    CheckPicture(DibToPicture(data, size, reading.layout, kMaxSide), reading.layout, block);
    return 0;
}
