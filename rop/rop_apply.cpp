#include "rop_apply.h"

// The sum of the minterms the index sets: row k is the bits where P, S, D equal bits 2, 1, 0 of k.
std::uint32_t ApplyRop(std::uint8_t index, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    std::uint32_t result = 0;
    for (int k = 0; k < 8; ++k) {
        if (((index >> k) & 1) == 0) continue;
        result |= ((k & 4) ? p : ~p) & ((k & 2) ? s : ~s) & ((k & 1) ? d : ~d);
    }
    return result;
}
