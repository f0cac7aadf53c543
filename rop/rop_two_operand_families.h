#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Two families that, like the logic ops of rop_port.h, combine the destination with one drawn
// colour: X11's GC functions and the foreground mixes of IBM's 8514/A (kept by S3's
// accelerators). Both exist for the codes RopLogicOpOf ports, with RopDrawnOf's colour as the
// family's source; a code that reads neither P nor S takes any source.

// X11's GXclear (0) ... GXset (15), numbered as VkLogicOp: bit 3 - (2 * s + d) of the value is the
// result for source s and destination d, so the value is the logic op's truth code read backwards.
struct RopX11Function {
    std::string_view name;  // "GXandReverse"
    int value = 0;          // 2
};

std::optional<RopX11Function> RopX11FunctionOf(std::uint8_t index);

// The mix written to FRGD_MIX (or BKGD_MIX): 0 ~D, 1 0, 2 1, 3 D, 4 ~S, 5 S^D, 6 ~(S^D), 7 S,
// 8 ~(S&D), 9 ~S|D, 10 S|~D, 11 S|D, 12 S&D, 13 S&~D, 14 ~S&D, 15 ~(S|D), S being the mix's source.
struct RopIbm8514Mix {
    int mix = 0;
    std::string_view meaning;  // "S^D"
};

std::optional<RopIbm8514Mix> RopIbm8514MixOf(std::uint8_t index);
