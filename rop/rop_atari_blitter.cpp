#include "rop_atari_blitter.h"

namespace {

int HopResult(int hop, int pattern, int source) {
    switch (hop) {
        case 1:
            return pattern;
        case 2:
            return source;
        case 3:
            return source & pattern;
        default:
            return 1;
    }
}

// The OP a HOP needs, or nothing when two rows give HOP's result and the destination alike but
// want different results.
std::optional<int> OpFor(std::uint8_t index, int hop) {
    int known = 0, op = 0;
    for (int k = 0; k < 8; ++k) {
        const int bit = 3 - (2 * HopResult(hop, (k >> 2) & 1, (k >> 1) & 1) + (k & 1));
        const int result = (index >> k) & 1;
        if ((known >> bit) & 1) {
            if (((op >> bit) & 1) != result) return std::nullopt;
            continue;
        }
        known |= 1 << bit;
        op |= result << bit;
    }
    // A HOP result that never occurs takes the other's results: OP then ignores it.
    for (const int h : {0, 1})
        for (const int d : {0, 1}) {
            const int bit = 3 - (2 * h + d), twin = 3 - (2 * (1 - h) + d);
            if (!((known >> bit) & 1)) op |= ((op >> twin) & 1) << bit;
        }
    return op;
}

}  // namespace

std::optional<RopAtariPass> RopAtariBlitterPass(std::uint8_t index) {
    for (int hop = 0; hop < 4; ++hop)
        if (const std::optional<int> op = OpFor(index, hop)) return RopAtariPass{hop, *op};
    return std::nullopt;
}

std::string_view RopAtariHopName(int hop) {
    switch (hop) {
        case 1:
            return "halftone, P";
        case 2:
            return "source, S";
        case 3:
            return "source AND halftone, S & P";
        default:
            return "all ones";
    }
}
