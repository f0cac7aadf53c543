#pragma once

#include <cstdint>

// A colour of 8 bits a channel, as a colour table holds one.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(Rgb a, Rgb b) {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

// A colour as GDI takes one (COLORREF), in one of three kinds: 0x00BBGGRR, PALETTEINDEX(n)
// (0x0100nnnn: entry n of the drawing DC's palette) or DIBINDEX(n) (0x10FFnnnn: the raw index n
// on a destination with a colour table).
using ColorRef = std::uint32_t;

constexpr ColorRef MakePaletteIndex(std::uint16_t n) { return 0x01000000u | n; }
constexpr ColorRef MakeDibIndex(std::uint16_t n) { return 0x10FF0000u | n; }
constexpr ColorRef MakeColorRef(Rgb c) {
    return c.red | (std::uint32_t{c.green} << 8) | (std::uint32_t{c.blue} << 16);
}

constexpr bool IsDibIndex(ColorRef c) { return (c >> 16) == 0x10FF; }
constexpr bool IsPaletteIndex(ColorRef c) { return !IsDibIndex(c) && (c & 0x01000000u) != 0; }
constexpr std::uint16_t ColorIndex(ColorRef c) { return static_cast<std::uint16_t>(c & 0xFFFF); }

// The channels of an RGB colour; the high byte is not looked at.
constexpr Rgb RgbOf(ColorRef c) {
    return {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
            static_cast<std::uint8_t>(c >> 16)};
}

// What GDI reads of any 32-bit value: a high word of 0x10FF is DIBINDEX of the low word, else
// bit 24 PALETTEINDEX of the low word, else the low 24 bits are the colour.
constexpr ColorRef NormalizeColorRef(std::uint32_t value) {
    if (IsDibIndex(value)) return MakeDibIndex(ColorIndex(value));
    if (value & 0x01000000u) return MakePaletteIndex(ColorIndex(value));
    return value & 0x00FFFFFFu;
}
