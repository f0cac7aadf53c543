#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "rop_hex_number.h"

// MaskBlt's quaternary codes. Where the monochrome mask's bit is 1 the foreground ternary
// operation applies, where it is 0 the background one. The code keeps the background's index in
// bits 24 to 31 and the whole foreground code below it, as <wingdi.h>'s MAKEROP4 builds it.
constexpr std::uint32_t MakeRop4(std::uint32_t foreground, std::uint32_t background) {
    return ((background << 8) & 0xFF000000u) | foreground;
}

constexpr std::uint8_t Rop4ForegroundIndex(std::uint32_t code) {
    return static_cast<std::uint8_t>((code >> 16) & 0xFF);
}

constexpr std::uint8_t Rop4BackgroundIndex(std::uint32_t code) {
    return static_cast<std::uint8_t>(code >> 24);
}

// MaskBlt reads only the two indexes. A low word of 0 or the foreground's published one is what a
// program normally passes; any other is worth pointing out, though it changes nothing.
bool HasUsualRop4LowWord(std::uint32_t code);

// The code as C source: "MAKEROP4(SRCCOPY, 0x00AA0029)". Each half is its GDI name where the
// code's half is exactly the named code (the background's index alone decides), else its full
// code; the foreground is the code's own low three bytes.
std::string FormatMakeRop4(std::uint32_t code);

// The result of row 1 to 16 of the quaternary truth table, where row r has M, P, S, D = bits 3,
// 2, 1, 0 of r - 1: rows 1 to 8 are the background's, 9 to 16 the foreground's.
bool Rop4RowResult(std::uint32_t code, int row);

// A whole 32-bit code in hexadecimal, with or without "0x".
ParsedRopHexNumber ParseRop4Code(std::string_view text);
