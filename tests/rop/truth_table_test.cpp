#include <gtest/gtest.h>

#include "rop_code.h"
#include "rop_truth_table.h"

namespace {

using Results = RopTruthTable::Results;

Results TopToBottom(std::initializer_list<int> bits) {
    Results results{};
    int row = 0;
    for (int bit : bits) results[static_cast<size_t>(row++)] = bit != 0;
    return results;
}

TEST(TruthTable, RowOperandsCountUpFromAllZeroWithDestinationFastest) {
    for (int row = 1; row <= 8; ++row) {
        const auto operands = RopTruthTable::RowOperands(row);
        const int k =
            (operands.pattern ? 4 : 0) + (operands.source ? 2 : 0) + (operands.destination ? 1 : 0);
        EXPECT_EQ(k, row - 1) << "row " << row;
    }
    // The operand columns read as indexes are the published P, S and D bytes.
    int p = 0, s = 0, d = 0;
    for (int row = 1; row <= 8; ++row) {
        const auto operands = RopTruthTable::RowOperands(row);
        p |= operands.pattern << (row - 1);
        s |= operands.source << (row - 1);
        d |= operands.destination << (row - 1);
    }
    EXPECT_EQ(p, 0xF0);
    EXPECT_EQ(s, 0xCC);
    EXPECT_EQ(d, 0xAA);
}

TEST(TruthTable, ResultsAndIndexConvertBothWaysWithRowOneLeastSignificant) {
    for (int index = 0; index < 256; ++index) {
        const auto results = RopTruthTable::ResultsFromIndex(static_cast<std::uint8_t>(index));
        EXPECT_EQ(RopTruthTable::IndexFromResults(results), index);
    }
    EXPECT_EQ(RopTruthTable::IndexFromResults(TopToBottom({0, 1, 0, 0, 0, 1, 1, 1})), 0xE2);
    EXPECT_EQ(RopTruthTable::ResultsFromIndex(0x33), TopToBottom({1, 1, 0, 0, 1, 1, 0, 0}));
    EXPECT_EQ(RopTruthTable::ResultsFromIndex(0x66), TopToBottom({0, 1, 1, 0, 0, 1, 1, 0}));
    EXPECT_EQ(RopTruthTable::ResultsFromIndex(0xCC), TopToBottom({0, 0, 1, 1, 0, 0, 1, 1}));
}

TEST(TruthTable, CodesCarryTheirIndexInBits16To23) {
    EXPECT_EQ(RopTruthTable::CodeFromIndex(0x00), 0x00000042u);
    EXPECT_EQ(RopTruthTable::CodeFromIndex(0xFF), 0x00FF0062u);
    EXPECT_EQ(RopTruthTable::CodeFromIndex(0xE2), 0x00E20746u);
    EXPECT_EQ(RopTruthTable::CodeFromIndex(0xCC), kSrcCopy);
    for (int index = 0; index < 256; ++index) {
        const std::uint32_t code = RopTruthTable::CodeFromIndex(static_cast<std::uint8_t>(index));
        EXPECT_EQ(RopTruthTable::IndexOfCode(code), index);
        EXPECT_EQ(code >> 24, 0u);
    }
    EXPECT_EQ(RopTruthTable::IndexOfCode(0xFFFFFFFF), 0xFF);
    EXPECT_EQ(RopTruthTable::IndexOfCode(0x01000000), 0x00);
    EXPECT_EQ(RopTruthTable::IndexOfCode(0x00CC0000), 0xCC);
}

}  // namespace
