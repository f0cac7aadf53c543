#include "stock_colors.h"

namespace {

constexpr Rgb Hex(unsigned rrggbb) {
    return {static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
            static_cast<std::uint8_t>(rrggbb)};
}

}  // namespace

const std::vector<Rgb>& DefaultPalette() {
    static const std::vector<Rgb> palette = {
        Hex(0x000000), Hex(0x800000), Hex(0x008000), Hex(0x808000), Hex(0x000080),
        Hex(0x800080), Hex(0x008080), Hex(0xC0C0C0), Hex(0xC0DCC0), Hex(0xA6CAF0),
        Hex(0xFFFBF0), Hex(0xA0A0A4), Hex(0x808080), Hex(0xFF0000), Hex(0x00FF00),
        Hex(0xFFFF00), Hex(0x0000FF), Hex(0xFF00FF), Hex(0x00FFFF), Hex(0xFFFFFF)};
    return palette;
}

const std::vector<Rgb>& DefaultOneBitColors() { return MonochromeBitmapColors(); }

const std::vector<Rgb>& DefaultFourBitColors() {
    static const std::vector<Rgb> colors = {
        Hex(0x000000), Hex(0x800000), Hex(0x008000), Hex(0x808000), Hex(0x000080), Hex(0x800080),
        Hex(0x008080), Hex(0x808080), Hex(0xC0C0C0), Hex(0xFF0000), Hex(0x00FF00), Hex(0xFFFF00),
        Hex(0x0000FF), Hex(0xFF00FF), Hex(0x00FFFF), Hex(0xFFFFFF)};
    return colors;
}

const std::vector<Rgb>& MonochromeBitmapColors() {
    static const std::vector<Rgb> colors = {Hex(0x000000), Hex(0xFFFFFF)};
    return colors;
}
