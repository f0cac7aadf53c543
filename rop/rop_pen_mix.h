#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// SetROP2's pen mixes: the 16 functions of the pen P and the destination D. A mix's code is 1 plus
// its results over P = 1100, D = 1010 read as a 4-bit number, so R2_COPYPEN (P) is 13 and R2_NOP
// (D) is 11.
constexpr int kRopPenMixFirst = 1;
constexpr int kRopPenMixLast = 16;

// R2_BLACK for 1 ... R2_WHITE for 16; an empty view for any other number.
std::string_view RopPenMixName(int mix);

// The code of an R2_ name in any letter case: "r2_xorpen" -> 7.
std::optional<int> RopPenMixOfName(std::string_view name);

// The ternary operation computing the same function and ignoring S, the one PatBlt takes for it:
// R2_XORPEN (7) -> 0x5A (PATINVERT). Any mix outside 1 to 16 gives 0.
std::uint8_t RopPenMixTwin(int mix);

// The mix an operation index is the twin of, or nothing when the operation reads S.
std::optional<int> RopPenMixOfIndex(std::uint8_t index);

// The four results, row 1 first, with rows (P, D) = 00, 01, 10, 11: R2_COPYPEN is "0011".
std::string FormatRopPenMixRows(int mix);
