#pragma once

#include <cstdint>
#include <string>

// Which operands an operation's result depends on.
struct RopOperandUse {
    bool pattern = false;
    bool source = false;
    bool destination = false;
};

RopOperandUse RopOperandsUsed(std::uint8_t index);

// The operands used, in the order P S D with single spaces ("P S D", "S D", "none"), then, where it
// saves the caller work, " - " and a hint:
//   no S:        "no source needed, PatBlt will do; as a pen: R2_XORPEN" (every such operation
//                has a pen-mix twin);
//   no S, no P:  "no source or brush needed, PatBlt will do; as a pen: ...";
//   S but no P:  "no brush needed".
// So 0x5A is "P D - no source needed, PatBlt will do; as a pen: R2_XORPEN", 0xCC "S - no brush
// needed", 0x00 "none - no source or brush needed, PatBlt will do; as a pen: R2_BLACK" and 0xE2
// just "P S D".
std::string DescribeRopOperandUse(std::uint8_t index);
