#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "rop_operand_use.h"
#include "rop_pen_mix.h"
#include "rop_port.h"

namespace {

// Reads a shader expression as WGSL does, the strictest of the four languages: unsigned operands
// p, s, d, the literals 0u and 0xFFFFFFFFu, ~, and chains of one binary operator kind only, so
// mixing & | ^ without parentheses is refused. Nothing here comes from the code under test.
class ShaderReader {
public:
    ShaderReader(std::string_view text, std::uint32_t p, std::uint32_t s, std::uint32_t d)
        : m_text(text), m_p(p), m_s(s), m_d(d) {}

    std::optional<std::uint32_t> Value() {
        const std::optional<std::uint32_t> value = Chain();
        Skip();
        if (m_pos != m_text.size()) return std::nullopt;
        return value;
    }

private:
    void Skip() {
        while (m_pos < m_text.size() && m_text[m_pos] == ' ') ++m_pos;
    }

    bool Take(std::string_view word) {
        Skip();
        if (m_text.substr(m_pos, word.size()) != word) return false;
        m_pos += word.size();
        return true;
    }

    std::optional<std::uint32_t> Chain() {
        std::optional<std::uint32_t> value = Unary();
        char kind = 0;
        for (Skip(); value && m_pos < m_text.size(); Skip()) {
            const char op = m_text[m_pos];
            if (op != '&' && op != '|' && op != '^') break;
            if (kind != 0 && op != kind) return std::nullopt;
            kind = op;
            ++m_pos;
            const std::optional<std::uint32_t> right = Unary();
            if (!right) return std::nullopt;
            value = op == '&' ? *value & *right : op == '|' ? *value | *right : *value ^ *right;
        }
        return value;
    }

    std::optional<std::uint32_t> Unary() {
        if (Take("~")) {
            const std::optional<std::uint32_t> value = Unary();
            return value ? std::optional<std::uint32_t>(~*value) : std::nullopt;
        }
        if (Take("(")) {
            const std::optional<std::uint32_t> value = Chain();
            return value && Take(")") ? value : std::nullopt;
        }
        if (Take("0xFFFFFFFFu")) return 0xFFFFFFFFu;
        if (Take("0u")) return 0u;
        if (Take("p")) return m_p;
        if (Take("s")) return m_s;
        if (Take("d")) return m_d;
        return std::nullopt;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::uint32_t m_p, m_s, m_d;
};

// The truth code an expression over s and d computes, bit k at s = (0b1100 >> k) & 1 and
// d = (0b1010 >> k) & 1.
int TruthCodeOf(std::string_view expression) {
    const std::optional<std::uint32_t> value = ShaderReader(expression, 0, 0b1100, 0b1010).Value();
    return value ? static_cast<int>(*value & 0xF) : -1;
}

}  // namespace

// The 16 logic ops as the APIs document them, t written with bit 3 first, each with what it
// computes in the APIs' own words (AND_REVERSE is s & ~d) and the pen mix of the same function.
TEST(RopPort, SixteenLogicOpsByTruthCodeWithTheirPenMix) {
    const struct {
        int t;
        const char *opengl, *vulkan, *direct3d, *qt, *penMix, *meaning;
    } rows[] = {
        {0b0000, "GL_CLEAR", "VK_LOGIC_OP_CLEAR", "D3D12_LOGIC_OP_CLEAR",
         "QPainter::RasterOp_ClearDestination", "R2_BLACK", "0u"},
        {0b1000, "GL_AND", "VK_LOGIC_OP_AND", "D3D12_LOGIC_OP_AND",
         "QPainter::RasterOp_SourceAndDestination", "R2_MASKPEN", "s & d"},
        {0b0100, "GL_AND_REVERSE", "VK_LOGIC_OP_AND_REVERSE", "D3D12_LOGIC_OP_AND_REVERSE",
         "QPainter::RasterOp_SourceAndNotDestination", "R2_MASKPENNOT", "s & ~d"},
        {0b1100, "GL_COPY", "VK_LOGIC_OP_COPY", "D3D12_LOGIC_OP_COPY",
         "QPainter::CompositionMode_Source", "R2_COPYPEN", "s"},
        {0b0010, "GL_AND_INVERTED", "VK_LOGIC_OP_AND_INVERTED", "D3D12_LOGIC_OP_AND_INVERTED",
         "QPainter::RasterOp_NotSourceAndDestination", "R2_MASKNOTPEN", "~s & d"},
        {0b1010, "GL_NOOP", "VK_LOGIC_OP_NO_OP", "D3D12_LOGIC_OP_NOOP",
         "QPainter::CompositionMode_Destination", "R2_NOP", "d"},
        {0b0110, "GL_XOR", "VK_LOGIC_OP_XOR", "D3D12_LOGIC_OP_XOR",
         "QPainter::RasterOp_SourceXorDestination", "R2_XORPEN", "s ^ d"},
        {0b1110, "GL_OR", "VK_LOGIC_OP_OR", "D3D12_LOGIC_OP_OR",
         "QPainter::RasterOp_SourceOrDestination", "R2_MERGEPEN", "s | d"},
        {0b0001, "GL_NOR", "VK_LOGIC_OP_NOR", "D3D12_LOGIC_OP_NOR",
         "QPainter::RasterOp_NotSourceAndNotDestination", "R2_NOTMERGEPEN", "~(s | d)"},
        {0b1001, "GL_EQUIV", "VK_LOGIC_OP_EQUIVALENT", "D3D12_LOGIC_OP_EQUIV",
         "QPainter::RasterOp_NotSourceXorDestination", "R2_NOTXORPEN", "~(s ^ d)"},
        {0b0101, "GL_INVERT", "VK_LOGIC_OP_INVERT", "D3D12_LOGIC_OP_INVERT",
         "QPainter::RasterOp_NotDestination", "R2_NOT", "~d"},
        {0b1101, "GL_OR_REVERSE", "VK_LOGIC_OP_OR_REVERSE", "D3D12_LOGIC_OP_OR_REVERSE",
         "QPainter::RasterOp_SourceOrNotDestination", "R2_MERGEPENNOT", "s | ~d"},
        {0b0011, "GL_COPY_INVERTED", "VK_LOGIC_OP_COPY_INVERTED", "D3D12_LOGIC_OP_COPY_INVERTED",
         "QPainter::RasterOp_NotSource", "R2_NOTCOPYPEN", "~s"},
        {0b1011, "GL_OR_INVERTED", "VK_LOGIC_OP_OR_INVERTED", "D3D12_LOGIC_OP_OR_INVERTED",
         "QPainter::RasterOp_NotSourceOrDestination", "R2_MERGENOTPEN", "~s | d"},
        {0b0111, "GL_NAND", "VK_LOGIC_OP_NAND", "D3D12_LOGIC_OP_NAND",
         "QPainter::RasterOp_NotSourceOrNotDestination", "R2_NOTMASKPEN", "~(s & d)"},
        {0b1111, "GL_SET", "VK_LOGIC_OP_SET", "D3D12_LOGIC_OP_SET",
         "QPainter::RasterOp_SetDestination", "R2_WHITE", "0xFFFFFFFFu"},
    };
    for (const auto& row : rows) {
        const RopLogicOp& op = RopLogicOps()[static_cast<std::size_t>(row.t)];
        EXPECT_EQ(op.truthCode, row.t) << row.opengl;
        EXPECT_EQ(op.opengl, row.opengl);
        EXPECT_EQ(op.vulkan, row.vulkan);
        EXPECT_EQ(op.direct3d, row.direct3d);
        EXPECT_EQ(op.qt, row.qt);
        EXPECT_EQ(TruthCodeOf(row.meaning), row.t) << row.opengl << " is " << row.meaning;
        EXPECT_EQ(RopPenMixName(row.t + 1), row.penMix) << row.opengl;
        // Reached both ways: as the S-D operation t * 0x11 and as the pen mix's P-D twin.
        const auto bySource = static_cast<std::uint8_t>(row.t * 0x11);
        const std::uint8_t byPattern = RopPenMixTwin(row.t + 1);
        for (const std::uint8_t index : {bySource, byPattern}) {
            ASSERT_TRUE(RopLogicOpOf(index).has_value()) << int(index);
            EXPECT_EQ(RopLogicOpOf(index)->opengl, row.opengl) << int(index);
        }
    }
}

// Substituting the drawn colour into the logic op gives back the operation, row by row; only the
// operations that read both P and S have none, and the shader note is theirs.
TEST(RopPort, EveryCodeBarPAndSTogetherIsALogicOpOverItsDrawnColour) {
    int withoutLogicOp = 0;
    for (int index = 0; index < 256; ++index) {
        const auto i = static_cast<std::uint8_t>(index);
        const RopOperandUse use = RopOperandsUsed(i);
        const RopDrawn drawn = RopDrawnOf(i);
        const std::optional<RopLogicOp> op = RopLogicOpOf(i);
        if (use.pattern && use.source) {
            EXPECT_EQ(drawn, RopDrawn::PatternAndSource) << index;
            EXPECT_FALSE(op) << index;
            EXPECT_EQ(RopPortLimit(i), kRopShaderLimit) << index;
            ++withoutLogicOp;
            continue;
        }
        EXPECT_EQ(drawn, use.pattern  ? RopDrawn::Pattern
                         : use.source ? RopDrawn::Source
                                      : RopDrawn::Nothing)
            << index;
        ASSERT_TRUE(op) << index;
        EXPECT_EQ(RopPortLimit(i), kRopLogicOpLimit) << index;
        for (int row = 0; row < 8; ++row) {
            const int pattern = (row >> 2) & 1, source = (row >> 1) & 1, destination = row & 1;
            // Nothing drawn: whichever of P and S it were, the result is the same.
            for (const int colour : {drawn == RopDrawn::Source ? source : pattern,
                                     drawn == RopDrawn::Pattern ? pattern : source})
                EXPECT_EQ((op->truthCode >> (2 * colour + destination)) & 1, (index >> row) & 1)
                    << index << " row " << row + 1;
        }
    }
    // All but the 16 without P and the 16 without S, 4 of which are both.
    EXPECT_EQ(withoutLogicOp, 256 - 16 - 16 + 4);
}

// On 32-bit operands, so a constant that sets only the low bit, or an operand in the wrong case,
// shows.
TEST(RopPort, ShaderExpressionOfEveryCodeComputesItOnEveryBit) {
    ASSERT_FALSE(ShaderReader("p & s | d", 0, 0, 0).Value()) << "the reader must refuse mixing";
    for (int index = 0; index < 256; ++index) {
        const std::string expression = RopShaderExpression(static_cast<std::uint8_t>(index));
        const std::optional<std::uint32_t> value =
            ShaderReader(expression, 0xF0F0F0F0u, 0xCCCCCCCCu, 0xAAAAAAAAu).Value();
        ASSERT_TRUE(value) << index << ": " << expression;
        EXPECT_EQ(*value, static_cast<std::uint32_t>(index) * 0x01010101u)
            << index << ": " << expression;
    }
    EXPECT_EQ(RopShaderExpression(0xE2), "d ^ (s & (p ^ d))");
}
