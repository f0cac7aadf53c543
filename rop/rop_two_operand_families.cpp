#include "rop_two_operand_families.h"

#include <array>

#include "rop_port.h"

namespace {

constexpr std::array<std::string_view, 16> kX11Names = {
    "GXclear",        "GXand",        "GXandReverse", "GXcopy",  "GXandInverted", "GXnoop",
    "GXxor",          "GXor",         "GXnor",        "GXequiv", "GXinvert",      "GXorReverse",
    "GXcopyInverted", "GXorInverted", "GXnand",       "GXset",
};

struct MixEntry {
    std::string_view meaning;
    int truthCode;  // as RopLogicOp's: bit (2 * s + d) is the result
};

// Entry m for mix m; no two mixes share a function, so each truth code has exactly one.
constexpr std::array<MixEntry, 16> kMixes = {{
    {"~D", 0b0101},
    {"0", 0b0000},
    {"1", 0b1111},
    {"D", 0b1010},
    {"~S", 0b0011},
    {"S^D", 0b0110},
    {"~(S^D)", 0b1001},
    {"S", 0b1100},
    {"~(S&D)", 0b0111},
    {"~S|D", 0b1011},
    {"S|~D", 0b1101},
    {"S|D", 0b1110},
    {"S&D", 0b1000},
    {"S&~D", 0b0100},
    {"~S&D", 0b0010},
    {"~(S|D)", 0b0001},
}};

int Reversed4(int bits) {
    return ((bits & 1) << 3) | ((bits & 2) << 1) | ((bits & 4) >> 1) | ((bits & 8) >> 3);
}

}  // namespace

std::optional<RopX11Function> RopX11FunctionOf(std::uint8_t index) {
    const std::optional<RopLogicOp> op = RopLogicOpOf(index);
    if (!op) return std::nullopt;
    const int value = Reversed4(op->truthCode);
    return RopX11Function{kX11Names[static_cast<std::size_t>(value)], value};
}

std::optional<RopIbm8514Mix> RopIbm8514MixOf(std::uint8_t index) {
    const std::optional<RopLogicOp> op = RopLogicOpOf(index);
    if (!op) return std::nullopt;
    for (int mix = 0; mix < 16; ++mix)
        if (kMixes[static_cast<std::size_t>(mix)].truthCode == op->truthCode)
            return RopIbm8514Mix{mix, kMixes[static_cast<std::size_t>(mix)].meaning};
    return std::nullopt;
}
