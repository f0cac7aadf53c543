#include "rop_operand_use.h"

#include "rop_pen_mix.h"

namespace {

// Truth-table rows k and k ^ flip differ in one operand only; the operation depends on it when
// any such pair of results differs. mask picks one row of each pair.
bool DependsOn(std::uint8_t index, int flip, unsigned mask) {
    return ((index >> flip) ^ index) & mask;
}

std::string OperandList(const RopOperandUse& use) {
    std::string list;
    for (const auto& [used, name] :
         {std::pair{use.pattern, "P"}, std::pair{use.source, "S"}, std::pair{use.destination, "D"}})
        if (used) list += list.empty() ? name : std::string(" ") + name;
    return list.empty() ? "none" : list;
}

std::string Hint(std::uint8_t index, const RopOperandUse& use) {
    if (use.source) return use.pattern ? "" : "no brush needed";
    const std::string pen = "; as a pen: " + std::string(RopPenMixName(*RopPenMixOfIndex(index)));
    return (use.pattern ? "no source needed" : "no source or brush needed") +
           std::string(", PatBlt will do") + pen;
}

}  // namespace

RopOperandUse RopOperandsUsed(std::uint8_t index) {
    return {DependsOn(index, 4, 0x0F), DependsOn(index, 2, 0x33), DependsOn(index, 1, 0x55)};
}

std::string DescribeRopOperandUse(std::uint8_t index) {
    const RopOperandUse use = RopOperandsUsed(index);
    const std::string hint = Hint(index, use);
    return OperandList(use) + (hint.empty() ? "" : " - " + hint);
}
