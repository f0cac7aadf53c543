#include "operation_input.h"

#include "rop_code.h"
#include "rop_expression.h"
#include "rop_index_text.h"
#include "rop_rpn.h"
#include "rop_truth_table.h"

namespace {

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsHexDigitsOnly(std::string_view text) {
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.remove_prefix(2);
    else if (!text.empty() && (text[0] == 'x' || text[0] == 'X'))
        text.remove_prefix(1);
    if (text.empty()) return false;
    for (const char c : text)
        if (!IsHexDigit(c)) return false;
    return true;
}

OperationInput FromParse(InputKind kind, const RopParseResult& parsed) {
    OperationInput input;
    input.kind = kind;
    input.ok = parsed.ok;
    input.index = parsed.index;
    if (!parsed.ok) input.error = std::string(InputKindName(kind)) + ": " + parsed.error;
    return input;
}

OperationInput ReadCode(std::string_view text) {
    OperationInput input;
    input.kind = InputKind::Code;
    // The window's own messages, so the same mistake reads the same in both.
    const ParsedRopCode parsed = ParseRopCode(text);
    if (!parsed.ok) {
        input.error = "code: Please enter an integer.";
        return input;
    }
    if (!CheckRopCodeRange(parsed.value)) {
        input.error = "code: Please enter an integer between " + FormatRopCodeBound(kRopCodeMin) +
                      " and " + FormatRopCodeBound(kRopCodeMax) + ".";
        return input;
    }
    input.ok = true;
    input.index = RopTruthTable::IndexOfCode(parsed.value);
    input.givenCode = parsed.value;
    return input;
}

}  // namespace

InputKind ClassifyInput(std::string_view text) {
    if (IsHexDigitsOnly(text)) return InputKind::Code;
    if (text.find_first_of("~!&^|()") != std::string_view::npos) return InputKind::Expression;
    return InputKind::Rpn;
}

OperationInput ReadOperation(InputKind kind, std::string_view text) {
    if (kind == InputKind::Auto) kind = ClassifyInput(text);
    switch (kind) {
        case InputKind::Rows:
            return FromParse(kind, ParseRopRows(text));
        case InputKind::Index:
            return FromParse(kind, ParseRopIndex(text));
        case InputKind::Expression:
            return FromParse(kind, EvaluateRopExpression(text));
        case InputKind::Code:
            return ReadCode(text);
        case InputKind::Rpn:
        case InputKind::Auto:
            break;
    }
    return FromParse(InputKind::Rpn, EvaluateRopRpn(text));
}

std::string_view InputKindName(InputKind kind) {
    switch (kind) {
        case InputKind::Rows:
            return "rows";
        case InputKind::Index:
            return "index";
        case InputKind::Rpn:
            return "RPN";
        case InputKind::Expression:
            return "expression";
        case InputKind::Code:
            return "code";
        case InputKind::Auto:
            break;
    }
    return "operation";
}
