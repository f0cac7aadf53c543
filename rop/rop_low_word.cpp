#include "rop_low_word.h"

#include <array>
#include <string_view>

#include "rop_text_chars.h"
#include "rop_truth_table.h"

namespace {

// Operand templates by number; '*' is where the first operator goes when the walk passes it.
// Templates 3 and 4 encode nothing.
constexpr std::array<std::string_view, 8> kTemplates = {"SPDD", "SPD",    "SDP",     "",
                                                        "",     "SSP*DS", "SSP*PDS", "SSD*PDS"};
constexpr std::array<char, 4> kOperators = {'n', 'x', 'o', 'a'};
constexpr int kOperatorCount = 5;

// Where the operand walk starts: the template position of its bias-th letter, counted cyclically.
std::size_t StartOfWalk(std::string_view pattern, unsigned bias) {
    std::size_t pos = 0;
    for (unsigned letters = 0;; pos = (pos + 1) % pattern.size()) {
        if (pattern[pos] == '*') continue;
        if (letters++ == bias) return pos;
    }
}

bool IsWellFormed(std::string_view rpn) {
    int depth = 0;
    for (const char c : rpn) {
        if (c == 'n') {
            if (depth < 1) return false;
        } else if (c == 'a' || c == 'o' || c == 'x') {
            if (depth < 2) return false;
            --depth;
        } else {
            ++depth;
        }
    }
    return depth == 1;
}

}  // namespace

std::optional<std::string> DecodeRopLowWord(std::uint16_t lowWord) {
    const unsigned bias = lowWord & 0x3;
    const std::string_view pattern = kTemplates[(lowWord >> 2) & 0x7];
    const bool finalNot = (lowWord >> 5) & 0x1;
    if (pattern.empty()) return std::nullopt;

    std::array<char, kOperatorCount> operators{};
    int binaryOperators = 0;
    for (int k = 0; k < kOperatorCount; ++k) {
        operators[k] = kOperators[(lowWord >> (6 + 2 * k)) & 0x3];
        if (operators[k] != 'n') ++binaryOperators;
    }

    std::string rpn;
    int nextOperator = 0;
    std::size_t pos = StartOfWalk(pattern, bias);
    for (int operands = 0; operands < binaryOperators + 1; pos = (pos + 1) % pattern.size()) {
        if (pattern[pos] != '*') {
            rpn += pattern[pos];
            ++operands;
        } else if (nextOperator < kOperatorCount) {
            rpn += operators[nextOperator++];
        }
    }
    while (nextOperator < kOperatorCount) rpn += operators[nextOperator++];
    if (finalNot) rpn += 'n';

    if (!IsWellFormed(rpn)) return std::nullopt;
    while (rpn.size() >= 2 && rpn.compare(rpn.size() - 2, 2, "nn") == 0) rpn.resize(rpn.size() - 2);
    return rpn;
}

std::string PublishedRopRpn(std::uint8_t index) {
    if (index == 0x00) return "0";
    if (index == 0xFF) return "1";
    return DecodeRopLowWord(RopLowWord(kRopCodeTable[index])).value_or("");
}

bool HasPublishedLowWord(std::uint32_t code) {
    return RopLowWord(kRopCodeTable[RopTruthTable::IndexOfCode(code)]) == RopLowWord(code);
}

std::string FormatRopLowWord(std::uint16_t lowWord) {
    return "0x" + FormatRopHexDigits(lowWord, 4);
}
