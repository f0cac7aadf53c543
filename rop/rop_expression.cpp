#include "rop_expression.h"

#include <cstdint>

#include "rop_operands.h"

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}
bool IsBinaryOperator(char c) { return c == '&' || c == '^' || c == '|'; }

std::string Position(std::size_t offset) { return "position " + std::to_string(offset + 1); }

class ExpressionParser {
public:
    explicit ExpressionParser(std::string_view text) : m_text(text) {}

    RopParseResult Parse() {
        SkipSpace();
        if (AtEnd()) return RopParseResult::Failure(0, "the expression is empty");
        std::uint8_t value = 0;
        if (!ParseOr(value)) return m_failure;
        if (!AtEnd()) {
            if (Peek() == ')')
                return RopParseResult::Failure(
                    m_pos, "')' at " + Position(m_pos) + " has no matching '('");
            return OperatorExpected();
        }
        return RopParseResult::Success(value);
    }

private:
    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return m_text[m_pos]; }
    void SkipSpace() {
        while (!AtEnd() && IsSpace(Peek())) ++m_pos;
    }

    bool Fail(std::size_t offset, std::string message) {
        m_failure = RopParseResult::Failure(offset, std::move(message));
        return false;
    }

    RopParseResult OperatorExpected() {
        const char c = Peek();
        if (IsLetterOrDigit(c) || c == '(' || c == '~' || c == '!')
            Fail(m_pos, "an operator is missing before " + DescribeRopTextChar(c) + " at " +
                            Position(m_pos));
        else
            Fail(m_pos, "unexpected " + DescribeRopTextChar(c) + " at " + Position(m_pos));
        return m_failure;
    }

    // One loop per precedence level; each level's operands come from the next tighter level.
    bool ParseOr(std::uint8_t& value) {
        if (!ParseXor(value)) return false;
        while (!AtEnd() && Peek() == '|') {
            ++m_pos;
            std::uint8_t right = 0;
            if (!ParseXor(right)) return false;
            value |= right;
        }
        return true;
    }

    bool ParseXor(std::uint8_t& value) {
        if (!ParseAnd(value)) return false;
        while (!AtEnd() && Peek() == '^') {
            ++m_pos;
            std::uint8_t right = 0;
            if (!ParseAnd(right)) return false;
            value ^= right;
        }
        return true;
    }

    bool ParseAnd(std::uint8_t& value) {
        if (!ParseUnary(value)) return false;
        while (!AtEnd() && Peek() == '&') {
            ++m_pos;
            std::uint8_t right = 0;
            if (!ParseUnary(right)) return false;
            value &= right;
        }
        return true;
    }

    // A run of nots is counted rather than recursed into, so "~~~~..." costs no stack.
    bool ParseUnary(std::uint8_t& value) {
        bool negate = false;
        SkipSpace();
        while (!AtEnd() && (Peek() == '~' || Peek() == '!')) {
            negate = !negate;
            ++m_pos;
            SkipSpace();
        }
        if (!ParsePrimary(value)) return false;
        if (negate) value = static_cast<std::uint8_t>(~value);
        SkipSpace();
        return true;
    }

    bool ParsePrimary(std::uint8_t& value) {
        if (AtEnd())
            return Fail(m_pos, "the expression ends at " + Position(m_pos) +
                                   " where an operand is expected");
        const std::size_t start = m_pos;
        const char c = Peek();
        switch (c) {
            case 'P':
                value = kRopPattern;
                break;
            case 'S':
                value = kRopSource;
                break;
            case 'D':
                value = kRopDestination;
                break;
            case '0':
                value = 0x00;
                break;
            case '1':
                value = 0xFF;
                break;
            case '(':
                return ParseParenthesized(value);
            default:
                if (IsLetterOrDigit(c))
                    return Fail(start, "unknown operand " + DescribeRopTextChar(c) + " at " +
                                           Position(start) + " (operands are P, S, D, 0, 1)");
                if (c == ')' || IsBinaryOperator(c))
                    return Fail(start, DescribeRopTextChar(c) + " at " + Position(start) +
                                           " comes where an operand is expected");
                return Fail(start,
                            "unexpected " + DescribeRopTextChar(c) + " at " + Position(start));
        }
        ++m_pos;
        return true;
    }

    bool ParseParenthesized(std::uint8_t& value) {
        const std::size_t open = m_pos;
        if (m_depth == kRopExpressionMaxNesting)
            return Fail(open, "parentheses are nested more than " +
                                  std::to_string(kRopExpressionMaxNesting) + " deep at " +
                                  Position(open));
        ++m_pos;
        ++m_depth;
        if (!ParseOr(value)) return false;
        --m_depth;
        if (AtEnd()) return Fail(open, "'(' at " + Position(open) + " is never closed");
        if (Peek() != ')') {
            OperatorExpected();
            return false;
        }
        ++m_pos;
        return true;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_depth = 0;
    RopParseResult m_failure;
};

}  // namespace

RopParseResult EvaluateRopExpression(std::string_view text) {
    return ExpressionParser(text).Parse();
}
