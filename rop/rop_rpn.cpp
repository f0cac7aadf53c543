#include "rop_rpn.h"

#include <vector>

#include "rop_operands.h"
#include "rop_text_chars.h"

namespace {

struct StackEntry {
    std::uint8_t value;
    std::size_t start;  // where the text of this value begins, to point at an unused one
};

}  // namespace

RopParseResult EvaluateRopRpn(std::string_view text) {
    // The stack lives on the heap, so even a megabyte of operands cannot exhaust the call stack.
    std::vector<StackEntry> stack;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (IsRopSpace(c)) continue;
        switch (c) {
            case 'P':
                stack.push_back({kRopPattern, pos});
                continue;
            case 'S':
                stack.push_back({kRopSource, pos});
                continue;
            case 'D':
                stack.push_back({kRopDestination, pos});
                continue;
            case '0':
                stack.push_back({0x00, pos});
                continue;
            case '1':
                stack.push_back({0xFF, pos});
                continue;
            case 'n':
                if (stack.empty())
                    return RopParseResult::Failure(
                        pos, 1, "'n' at " + RopTextPosition(pos) + " has no operand to negate");
                stack.back().value = static_cast<std::uint8_t>(~stack.back().value);
                continue;
            case 'a':
            case 'o':
            case 'x': {
                if (stack.size() < 2)
                    return RopParseResult::Failure(
                        pos, 1,
                        "'" + std::string(1, c) + "' at " + RopTextPosition(pos) +
                            " needs two operands, but " +
                            (stack.empty() ? "none is" : "only one is") + " there");
                const StackEntry right = stack.back();
                stack.pop_back();
                StackEntry& left = stack.back();
                if (c == 'a') left.value &= right.value;
                if (c == 'o') left.value |= right.value;
                if (c == 'x') left.value ^= right.value;
                continue;
            }
            default:
                return RopParseResult::Failure(
                    pos, 1,
                    "unknown symbol " + DescribeRopTextChar(c) + " at " + RopTextPosition(pos) +
                        " (operands P, S, D, 0, 1; operators a, o, x, n)");
        }
    }
    if (stack.empty()) return RopParseResult::Failure(0, text.size(), "the RPN is empty");
    if (stack.size() > 1) {
        const std::size_t unused = stack[stack.size() - 2].start;
        return RopParseResult::Failure(
            unused, 1,
            std::to_string(stack.size()) +
                " values are left at the end of the RPN: the one starting at " +
                RopTextPosition(unused) + " is never combined (an operator is missing)");
    }
    return RopParseResult::Success(stack.back().value);
}
