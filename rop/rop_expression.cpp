#include "rop_expression.h"

#include <cstdint>

#include "rop_names.h"
#include "rop_operands.h"
#include "rop_text_chars.h"

namespace {

bool IsBinaryOperator(char c) { return c == '&' || c == '^' || c == '|'; }
bool IsOperandChar(char c) { return std::string_view("PSD01").find(c) != std::string_view::npos; }

bool IsOperandCharsOnly(std::string_view word) {
    for (const char c : word)
        if (!IsOperandChar(c)) return false;
    return true;
}

class ExpressionParser {
public:
    explicit ExpressionParser(std::string_view text) : m_text(text) {}

    RopParseResult Parse() {
        SkipSpace();
        if (AtEnd()) return RopParseResult::Failure(0, m_text.size(), "the expression is empty");
        std::uint8_t value = 0;
        if (!ParseBinary(value)) return m_failure;
        if (!AtEnd()) {
            if (Peek() == ')')
                return RopParseResult::Failure(
                    m_pos, 1, "')' at " + RopTextPosition(m_pos) + " has no matching '('");
            return OperatorExpected();
        }
        return RopParseResult::Success(value);
    }

private:
    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return m_text[m_pos]; }
    void SkipSpace() {
        while (!AtEnd() && IsRopSpace(Peek())) ++m_pos;
    }

    bool Fail(std::size_t offset, std::size_t length, std::string message) {
        m_failure = RopParseResult::Failure(offset, length, std::move(message));
        return false;
    }

    // The operator or parenthesis just read: what lacks its operand when the text ends.
    void Consume() { m_lastSymbol = m_pos++; }

    RopParseResult OperatorExpected() {
        const char c = Peek();
        if (IsRopWordChar(c) || c == '(' || c == '~' || c == '!')
            Fail(m_pos, 1,
                 "an operator is missing before " + DescribeRopTextChar(c) + " at " +
                     RopTextPosition(m_pos));
        else
            Fail(m_pos, 1,
                 "unexpected " + DescribeRopTextChar(c) + " at " + RopTextPosition(m_pos));
        return m_failure;
    }

    // The binary operators by C's precedence, loosest first: each level's operands come from the
    // next tighter one, the last level's from the unary operators.
    static constexpr char kLevels[] = {'|', '^', '&'};

    bool ParseBinary(std::uint8_t& value, std::size_t level = 0) {
        if (level == sizeof kLevels) return ParseUnary(value);
        if (!ParseBinary(value, level + 1)) return false;
        const char op = kLevels[level];
        while (!AtEnd() && Peek() == op) {
            Consume();
            std::uint8_t right = 0;
            if (!ParseBinary(right, level + 1)) return false;
            value = op == '|' ? value | right : op == '^' ? value ^ right : value & right;
        }
        return true;
    }

    // A run of nots is counted rather than recursed into, so "~~~~..." costs no stack.
    bool ParseUnary(std::uint8_t& value) {
        bool negate = false;
        SkipSpace();
        while (!AtEnd() && (Peek() == '~' || Peek() == '!')) {
            negate = !negate;
            Consume();
            SkipSpace();
        }
        if (!ParsePrimary(value)) return false;
        if (negate) value = static_cast<std::uint8_t>(~value);
        SkipSpace();
        return true;
    }

    bool ParsePrimary(std::uint8_t& value) {
        if (AtEnd())
            return Fail(m_lastSymbol, 1,
                        "the expression ends at " + RopTextPosition(m_pos) +
                            " where an operand is expected");
        const std::size_t start = m_pos;
        const char c = Peek();
        // A word of operands only ("PS") is an operand and a missing operator; any other word is
        // one unknown thing, named as a whole.
        if (IsRopWordChar(c) && !IsOperandCharsOnly(WordAt(start))) return FailOnWord(start);
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
                if (c == ')' || IsBinaryOperator(c))
                    return Fail(start, 1,
                                DescribeRopTextChar(c) + " at " + RopTextPosition(start) +
                                    " comes where an operand is expected");
                return Fail(
                    start, 1,
                    "unexpected " + DescribeRopTextChar(c) + " at " + RopTextPosition(start));
        }
        ++m_pos;
        return true;
    }

    bool ParseParenthesized(std::uint8_t& value) {
        const std::size_t open = m_pos;
        if (m_depth == kRopExpressionMaxNesting)
            return Fail(open, 1,
                        "parentheses are nested more than " +
                            std::to_string(kRopExpressionMaxNesting) + " deep at " +
                            RopTextPosition(open));
        Consume();
        ++m_depth;
        if (!ParseBinary(value)) return false;
        --m_depth;
        if (AtEnd()) return Fail(open, 1, "'(' at " + RopTextPosition(open) + " is never closed");
        if (Peek() != ')') {
            OperatorExpected();
            return false;
        }
        ++m_pos;
        return true;
    }

    std::string_view WordAt(std::size_t start) const {
        std::size_t end = start;
        while (end < m_text.size() && IsRopWordChar(m_text[end])) ++end;
        return m_text.substr(start, end - start);
    }

    bool FailOnWord(std::size_t start) {
        const std::string_view word = WordAt(start);
        const std::string where = QuoteRopText(word) + " at " + RopTextPosition(start);
        if (RopIndexOfName(word))
            return Fail(start, word.size(), where + " is a GDI name; an expression has no names");
        return Fail(start, word.size(),
                    "unknown operand " + where + " (operands are P, S, D, 0, 1)");
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_lastSymbol = 0;
    std::size_t m_depth = 0;
    RopParseResult m_failure;
};

}  // namespace

RopParseResult EvaluateRopExpression(std::string_view text) {
    return ExpressionParser(text).Parse();
}
