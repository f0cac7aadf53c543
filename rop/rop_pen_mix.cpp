#include "rop_pen_mix.h"

#include <array>

#include "rop_text_chars.h"

namespace {

constexpr std::array<std::string_view, 16> kPenMixNames = {
    "R2_BLACK",      "R2_NOTMERGEPEN", "R2_MASKNOTPEN", "R2_NOTCOPYPEN",
    "R2_MASKPENNOT", "R2_NOT",         "R2_XORPEN",     "R2_NOTMASKPEN",
    "R2_MASKPEN",    "R2_NOTXORPEN",   "R2_NOP",        "R2_MERGENOTPEN",
    "R2_COPYPEN",    "R2_MERGEPENNOT", "R2_MERGEPEN",   "R2_WHITE",
};

bool IsPenMix(int mix) { return mix >= kRopPenMixFirst && mix <= kRopPenMixLast; }

// Bit (2 * P + D) of the code's 4-bit number is the mix's result for that P and D.
bool MixResult(int mix, int pattern, int destination) {
    return (((mix - 1) >> (2 * pattern + destination)) & 1) != 0;
}

}  // namespace

std::string_view RopPenMixName(int mix) {
    return IsPenMix(mix) ? kPenMixNames[static_cast<std::size_t>(mix - 1)] : std::string_view();
}

std::optional<int> RopPenMixOfName(std::string_view name) {
    for (int mix = kRopPenMixFirst; mix <= kRopPenMixLast; ++mix)
        if (EqualsIgnoringRopCase(name, RopPenMixName(mix))) return mix;
    return std::nullopt;
}

// Ternary row k has P = bit 2 and D = bit 0 of k; the twin's result there is the mix's.
std::uint8_t RopPenMixTwin(int mix) {
    if (!IsPenMix(mix)) return 0;
    unsigned index = 0;
    for (int k = 0; k < 8; ++k)
        if (MixResult(mix, (k >> 2) & 1, k & 1)) index |= 1u << k;
    return static_cast<std::uint8_t>(index);
}

std::optional<int> RopPenMixOfIndex(std::uint8_t index) {
    // Rows k and k ^ 2 differ only in S.
    if (((index >> 2) ^ index) & 0x33) return std::nullopt;
    int bits = 0;
    for (int pattern = 0; pattern < 2; ++pattern)
        for (int destination = 0; destination < 2; ++destination)
            if ((index >> (4 * pattern + destination)) & 1)
                bits |= 1 << (2 * pattern + destination);
    return bits + 1;
}

std::string FormatRopPenMixRows(int mix) {
    std::string rows;
    for (int row = 0; row < 4; ++row) rows += MixResult(mix, row >> 1, row & 1) ? '1' : '0';
    return rows;
}
