#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// One pass of the Atari ST's BLiTTER. HOP (halftone operation) makes the "source" of the logic
// operation: 0 all ones, 1 the halftone (the brush, P), 2 the source (S), 3 source AND halftone.
// OP then combines that with the destination as X11 numbers its functions: bit 3 - (2 h + d) of OP
// is the result for HOP's result h and destination d.
struct RopAtariPass {
    int hop = 0;
    int op = 0;
};

// The pass that computes the code on all eight rows: the first HOP that can, in the order 0 to 3
// (so the BLiTTER reads no more than the code needs), with the OP that ignores HOP's result
// wherever that result never varies. Nothing for the codes that need P and S otherwise than as
// S AND P.
std::optional<RopAtariPass> RopAtariBlitterPass(std::uint8_t index);

constexpr std::string_view kRopAtariBlitterLimit =
    "one pass reads P and S together only as S AND P (HOP 3), and this code needs more of them: "
    "use two passes through a scratch buffer";

// "all ones", "halftone, P", "source, S", "source AND halftone, S & P".
std::string_view RopAtariHopName(int hop);
