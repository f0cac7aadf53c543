#include "rop_reader.h"

#include <algorithm>
#include <string>

#include "rop_code.h"
#include "rop_expression.h"
#include "rop_index_text.h"
#include "rop_names.h"
#include "rop_rpn.h"
#include "rop_text_chars.h"
#include "rop_truth_table.h"

namespace {

bool IsHexDigitsOnly(std::string_view text) {
    if (HasRopHexPrefix(text))
        text.remove_prefix(2);
    else if (!text.empty() && (text[0] == 'x' || text[0] == 'X'))
        text.remove_prefix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), IsRopHexDigit);
}

bool HasOperatorSymbol(std::string_view text) {
    return text.find_first_of("~!&^|()") != std::string_view::npos;
}

bool IsSingleWord(std::string_view text) {
    const std::string_view word = TrimRopSpace(text).text;
    return !word.empty() && std::all_of(word.begin(), word.end(), IsRopWordChar);
}

bool IsMostlyRpnSymbols(std::string_view text) {
    const std::string_view word = TrimRopSpace(text).text;
    const auto symbols = std::count_if(word.begin(), word.end(), IsRopRpnSymbol);
    return static_cast<std::size_t>(symbols) * 2 > word.size();
}

bool IsRpnSymbolsOnly(std::string_view text) {
    return !TrimRopSpace(text).text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return IsRopRpnSymbol(c) || IsRopSpace(c);
    });
}

bool IsKnownName(std::string_view text) {
    return RopIndexOfName(TrimRopSpace(text).text).has_value();
}

RopInputKind ClassifyBareArgument(std::string_view text) {
    if (IsHexDigitsOnly(text)) return RopInputKind::Code;
    if (IsKnownName(text)) return RopInputKind::Name;
    if (HasOperatorSymbol(text)) return RopInputKind::Expression;
    if (IsSingleWord(text) && !IsMostlyRpnSymbols(text)) return RopInputKind::Name;
    return RopInputKind::Rpn;
}

RopInputKind ClassifyFieldText(std::string_view text) {
    if (IsKnownName(text)) return RopInputKind::Name;
    if (HasOperatorSymbol(text)) return RopInputKind::Expression;
    if (IsRpnSymbolsOnly(text)) return RopInputKind::Rpn;
    if (IsSingleWord(text)) return RopInputKind::Name;
    return RopInputKind::Expression;
}

// The window's own messages, so the same mistake reads the same in both; the Hex field selects
// all of its text on a fault, and so does this.
RopReading ReadCode(std::string_view text) {
    RopReading reading{RopInputKind::Code, {}, std::nullopt};
    const ParsedRopCode parsed = ParseRopCode(text);
    if (!parsed.ok) {
        reading.result = RopParseResult::Failure(0, text.size(), "Please enter an integer.");
    } else if (!CheckRopCodeRange(parsed.value)) {
        reading.result = RopParseResult::Failure(0, text.size(),
                                                 "Please enter an integer between " +
                                                     FormatRopCodeBound(kRopCodeMin) + " and " +
                                                     FormatRopCodeBound(kRopCodeMax) + ".");
    } else {
        reading.result = RopParseResult::Success(RopTruthTable::IndexOfCode(parsed.value));
        reading.givenCode = parsed.value;
    }
    return reading;
}

RopParseResult ReadName(std::string_view text) {
    const TrimmedRopText name = TrimRopSpace(text);
    if (name.text.empty()) return RopParseResult::Failure(0, text.size(), "the name is empty");
    if (const std::optional<std::uint8_t> index = RopIndexOfName(name.text))
        return RopParseResult::Success(*index);
    return RopParseResult::Failure(
        name.offset, name.text.size(),
        "unknown name " + QuoteRopText(name.text) + " at " + RopTextPosition(name.offset) +
            " (GDI names such as SRCCOPY or R2_XORPEN, any letter case)");
}

// A name where RPN is asked for is a likelier mistake than the unknown symbol its second letter
// would otherwise be reported as.
RopParseResult ReadRpn(std::string_view text) {
    const TrimmedRopText name = TrimRopSpace(text);
    if (RopIndexOfName(name.text))
        return RopParseResult::Failure(name.offset, name.text.size(),
                                       QuoteRopText(name.text) + " at " +
                                           RopTextPosition(name.offset) +
                                           " is a GDI name; RPN has no names");
    return EvaluateRopRpn(text);
}

RopParseResult ReadOther(RopInputKind kind, std::string_view text) {
    switch (kind) {
        case RopInputKind::Rows:
            return ParseRopRows(text);
        case RopInputKind::Index:
            return ParseRopIndex(text);
        case RopInputKind::Expression:
            return EvaluateRopExpression(text);
        case RopInputKind::Name:
            return ReadName(text);
        case RopInputKind::Rpn:
        case RopInputKind::Code:  // read before, with the given code kept
        case RopInputKind::Auto:  // classified before
        case RopInputKind::Field:
            break;
    }
    return ReadRpn(text);
}

}  // namespace

RopInputKind ClassifyRopInput(RopInputKind kind, std::string_view text) {
    if (kind == RopInputKind::Auto) return ClassifyBareArgument(text);
    if (kind == RopInputKind::Field) return ClassifyFieldText(text);
    return kind;
}

RopReading ReadRopOperation(RopInputKind kind, std::string_view text) {
    kind = ClassifyRopInput(kind, text);
    if (kind == RopInputKind::Code) return ReadCode(text);
    return {kind, ReadOther(kind, text), std::nullopt};
}

std::string_view RopInputKindName(RopInputKind kind) {
    switch (kind) {
        case RopInputKind::Rows:
            return "rows";
        case RopInputKind::Index:
            return "index";
        case RopInputKind::Rpn:
            return "RPN";
        case RopInputKind::Expression:
            return "expression";
        case RopInputKind::Code:
            return "code";
        case RopInputKind::Name:
            return "name";
        case RopInputKind::Auto:
        case RopInputKind::Field:
            break;
    }
    return "operation";
}

std::string DescribeRopReadingFault(RopInputKind kind, const RopParseResult& result) {
    return std::string(RopInputKindName(kind)) + ": " + result.error;
}
