#include "rop_truth_table.h"

RopTruthTable::Operands RopTruthTable::RowOperands(int row) {
    const int k = row - 1;
    return {(k & 4) != 0, (k & 2) != 0, (k & 1) != 0};
}

std::uint8_t RopTruthTable::IndexFromResults(const Results& results) {
    std::uint8_t index = 0;
    for (int row = 8; row >= 1; --row)
        index = static_cast<std::uint8_t>((index << 1) | (results[row - 1] ? 1 : 0));
    return index;
}

RopTruthTable::Results RopTruthTable::ResultsFromIndex(std::uint8_t index) {
    Results results{};
    for (int row = 1; row <= 8; ++row) results[row - 1] = ((index >> (row - 1)) & 1) != 0;
    return results;
}

std::uint32_t RopTruthTable::CodeFromIndex(std::uint8_t index) { return kRopCodeTable[index]; }

std::uint8_t RopTruthTable::IndexOfCode(std::uint32_t code) {
    return static_cast<std::uint8_t>((code >> 16) & 0xFF);
}
