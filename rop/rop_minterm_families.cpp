#include "rop_minterm_families.h"

#include "rop_operand_use.h"

std::uint8_t RopAmigaMinterm(std::uint8_t index) { return index; }

std::optional<std::uint8_t> RopAmigaBltBitMapMinterm(std::uint8_t index) {
    if (RopOperandsUsed(index).pattern) return std::nullopt;
    return static_cast<std::uint8_t>(index & 0xF0);
}

// Row k of the index has P, S, D = bits 2, 1, 0 of k; the EGC keeps its result at bit 4 S + 2 D +
// P.
std::uint8_t RopPc98EgcRop(std::uint8_t index) {
    unsigned rop = 0;
    for (int k = 0; k < 8; ++k) {
        const int p = (k >> 2) & 1, s = (k >> 1) & 1, d = k & 1;
        if ((index >> k) & 1) rop |= 1u << (4 * s + 2 * d + p);
    }
    return static_cast<std::uint8_t>(rop);
}
