#pragma once

#include <array>
#include <cstdint>

// The eight-row truth table of a ternary raster operation. Row r (1..8) stands for the operand
// combination k = r - 1 with P = bit 2, S = bit 1, D = bit 0 of k; its result is bit r - 1 of the
// operation index, so row 1 is the least significant bit.
class RopTruthTable {
public:
    struct Operands {
        bool pattern;
        bool source;
        bool destination;
    };
    using Results = std::array<bool, 8>;  // [0] is row 1

    static Operands RowOperands(int row);
    static std::uint8_t IndexFromResults(const Results& results);
    static Results ResultsFromIndex(std::uint8_t index);
    static std::uint32_t CodeFromIndex(std::uint8_t index);
    static std::uint8_t IndexOfCode(std::uint32_t code);
};

// The published ternary raster-operation codes, indexed by operation index.
extern const std::array<std::uint32_t, 256> kRopCodeTable;
