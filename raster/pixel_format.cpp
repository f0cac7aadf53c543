#include "pixel_format.h"

namespace {

int LowestBit(std::uint32_t mask) {
    int shift = 0;
    while (shift < 32 && ((mask >> shift) & 1) == 0) ++shift;
    return shift;
}

int BitCount(std::uint32_t mask) {
    int count = 0;
    for (; mask != 0; mask &= mask - 1) ++count;
    return count;
}

std::uint32_t PackChannel(std::uint8_t value, std::uint32_t mask) {
    const int width = BitCount(mask);
    const std::uint32_t field =
        width <= 8 ? value >> (8 - width) : std::uint32_t{value} << (width - 8);
    return (field << LowestBit(mask)) & mask;
}

std::uint8_t UnpackChannel(std::uint32_t pixel, std::uint32_t mask) {
    const int width = BitCount(mask);
    if (width == 0) return 0;
    const std::uint32_t field = (pixel & mask) >> LowestBit(mask);
    if (width >= 8) return static_cast<std::uint8_t>(field >> (width - 8));
    std::uint32_t repeated = 0;
    for (int filled = 0; filled < 8; filled += width) repeated = (repeated << width) | field;
    const int filledBits = (8 + width - 1) / width * width;
    return static_cast<std::uint8_t>(repeated >> (filledBits - 8));
}

}  // namespace

std::array<std::uint32_t, 3> DefaultMasks(int bitsPerPixel) {
    if (bitsPerPixel == 16) return {0x7C00, 0x03E0, 0x001F};
    return {0xFF0000, 0x00FF00, 0x0000FF};
}

bool IsContiguousMask(std::uint32_t mask) {
    if (mask == 0) return false;
    const std::uint32_t low = mask >> LowestBit(mask);
    return (low & (low + 1)) == 0;
}

std::uint32_t PixelValueMask(int bitsPerPixel) {
    return bitsPerPixel >= 32 ? 0xFFFFFFFFu : (1u << bitsPerPixel) - 1;
}

std::uint32_t PackRgb(const PixelFormat& format, Rgb color) {
    return PackChannel(color.red, format.masks[0]) | PackChannel(color.green, format.masks[1]) |
           PackChannel(color.blue, format.masks[2]);
}

Rgb UnpackRgb(const PixelFormat& format, std::uint32_t pixel) {
    if (format.HasTable()) return pixel < format.table.size() ? format.table[pixel] : Rgb{};
    return {UnpackChannel(pixel, format.masks[0]), UnpackChannel(pixel, format.masks[1]),
            UnpackChannel(pixel, format.masks[2])};
}
