#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Blitters that take a whole truth table of three inputs as one byte, each with its own order of
// the inputs: every code has an encoding.

// The Amiga blitter's LF byte (BLTCON0 bits 0 to 7): bit 4 A + 2 B + C is the result for sources
// A, B and C. With these channels it is the index itself.
constexpr std::string_view kRopAmigaChannels = "A=P, B=S, C=D";
std::uint8_t RopAmigaMinterm(std::uint8_t index);

// The minterm of graphics.library's BltBitMap, which sets A to 1 inside the rectangle, reads the
// source as B and the destination as C, and so uses the high nibble only: the index with its low
// nibble cleared, for the codes that do not read P (BltBitMap has no pattern).
std::optional<std::uint8_t> RopAmigaBltBitMapMinterm(std::uint8_t index);

// NEC PC-98's EGC: bit 4 S + 2 D + P of its ROP byte is the result for P, S and D. SRCCOPY (0xCC)
// is 0xF0 there, PATCOPY (0xF0) 0xAA.
std::uint8_t RopPc98EgcRop(std::uint8_t index);
