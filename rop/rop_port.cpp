#include "rop_port.h"

#include "rop_operand_use.h"
#include "rop_pen_mix.h"
#include "rop_shortest.h"

namespace {

// Each API numbers the 16 differently, so they are matched by name, never by enum value.
constexpr std::array<RopLogicOp, 16> kLogicOps = {{
    {0b0000, "GL_CLEAR", "VK_LOGIC_OP_CLEAR", "D3D12_LOGIC_OP_CLEAR",
     "QPainter::RasterOp_ClearDestination"},
    {0b0001, "GL_NOR", "VK_LOGIC_OP_NOR", "D3D12_LOGIC_OP_NOR",
     "QPainter::RasterOp_NotSourceAndNotDestination"},
    {0b0010, "GL_AND_INVERTED", "VK_LOGIC_OP_AND_INVERTED", "D3D12_LOGIC_OP_AND_INVERTED",
     "QPainter::RasterOp_NotSourceAndDestination"},
    {0b0011, "GL_COPY_INVERTED", "VK_LOGIC_OP_COPY_INVERTED", "D3D12_LOGIC_OP_COPY_INVERTED",
     "QPainter::RasterOp_NotSource"},
    {0b0100, "GL_AND_REVERSE", "VK_LOGIC_OP_AND_REVERSE", "D3D12_LOGIC_OP_AND_REVERSE",
     "QPainter::RasterOp_SourceAndNotDestination"},
    {0b0101, "GL_INVERT", "VK_LOGIC_OP_INVERT", "D3D12_LOGIC_OP_INVERT",
     "QPainter::RasterOp_NotDestination"},
    {0b0110, "GL_XOR", "VK_LOGIC_OP_XOR", "D3D12_LOGIC_OP_XOR",
     "QPainter::RasterOp_SourceXorDestination"},
    {0b0111, "GL_NAND", "VK_LOGIC_OP_NAND", "D3D12_LOGIC_OP_NAND",
     "QPainter::RasterOp_NotSourceOrNotDestination"},
    {0b1000, "GL_AND", "VK_LOGIC_OP_AND", "D3D12_LOGIC_OP_AND",
     "QPainter::RasterOp_SourceAndDestination"},
    {0b1001, "GL_EQUIV", "VK_LOGIC_OP_EQUIVALENT", "D3D12_LOGIC_OP_EQUIV",
     "QPainter::RasterOp_NotSourceXorDestination"},
    {0b1010, "GL_NOOP", "VK_LOGIC_OP_NO_OP", "D3D12_LOGIC_OP_NOOP",
     "QPainter::CompositionMode_Destination"},
    {0b1011, "GL_OR_INVERTED", "VK_LOGIC_OP_OR_INVERTED", "D3D12_LOGIC_OP_OR_INVERTED",
     "QPainter::RasterOp_NotSourceOrDestination"},
    {0b1100, "GL_COPY", "VK_LOGIC_OP_COPY", "D3D12_LOGIC_OP_COPY",
     "QPainter::CompositionMode_Source"},
    {0b1101, "GL_OR_REVERSE", "VK_LOGIC_OP_OR_REVERSE", "D3D12_LOGIC_OP_OR_REVERSE",
     "QPainter::RasterOp_SourceOrNotDestination"},
    {0b1110, "GL_OR", "VK_LOGIC_OP_OR", "D3D12_LOGIC_OP_OR",
     "QPainter::RasterOp_SourceOrDestination"},
    {0b1111, "GL_SET", "VK_LOGIC_OP_SET", "D3D12_LOGIC_OP_SET",
     "QPainter::RasterOp_SetDestination"},
}};

}  // namespace

const std::array<RopLogicOp, 16>& RopLogicOps() { return kLogicOps; }

RopDrawn RopDrawnOf(std::uint8_t index) {
    const RopOperandUse use = RopOperandsUsed(index);
    if (use.pattern && use.source) return RopDrawn::PatternAndSource;
    if (use.pattern) return RopDrawn::Pattern;
    return use.source ? RopDrawn::Source : RopDrawn::Nothing;
}

std::optional<RopLogicOp> RopLogicOpOf(std::uint8_t index) {
    switch (RopDrawnOf(index)) {
        case RopDrawn::PatternAndSource:
            return std::nullopt;
        case RopDrawn::Pattern:
            // The pen mix's code less one is the same 4-bit number over P and D.
            return kLogicOps[static_cast<std::size_t>(*RopPenMixOfIndex(index) - 1)];
        case RopDrawn::Source:
        case RopDrawn::Nothing:
            break;
    }
    // Rows 1 to 4 have P = 0, and row 2 * S + D + 1 holds bit 2 * S + D.
    return kLogicOps[index & 0x0F];
}

std::string RopShaderExpression(std::uint8_t index) {
    std::string text = ShortestRopExpression(index).text;
    if (text == "0") return "0u";
    if (text == "1") return "0xFFFFFFFFu";  // 1u would set only the lowest bit
    for (char& c : text)
        if (c == 'P' || c == 'S' || c == 'D') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string_view RopPortLimit(std::uint8_t index) {
    return RopDrawnOf(index) == RopDrawn::PatternAndSource ? kRopShaderLimit : kRopLogicOpLimit;
}
