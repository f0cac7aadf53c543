#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "rop_parse_result.h"

// Every form a user can type a ternary operation in, and the two ways of telling them apart.
enum class RopInputKind {
    Auto,  // velmar-rop's bare argument, see ClassifyRopInput
    Rows,
    Index,
    Rpn,
    Expression,
    Code,
    Name,
    Field,  // the window's Expression field: an expression, RPN or a name, never a code
};

struct RopReading {
    RopInputKind kind = RopInputKind::Auto;  // how the text was read: never Auto or Field
    RopParseResult result;                   // the operation, or the fault and what to select
    std::optional<std::uint32_t> givenCode;  // the whole code, when the text was one
};

// Reads an operation typed in any form; the one reader the window and velmar-rop share.
RopReading ReadRopOperation(RopInputKind kind, std::string_view text);

// What Auto and Field read a text as; any other kind is returned unchanged.
//
// Auto: text the window's Hex field would read as digits only (an optional "0x" or "x", then
// hexadecimal digits) is a code; then a GDI name in any letter case is a name; other text with an
// operator symbol (~ ! & ^ |) or a parenthesis is an expression; a single word mostly of other
// characters than the RPN symbols is a name, so "SRCCPY" is an unknown name while "DSPq" is RPN
// with a stray 'q'; the rest is RPN. So "D" is the code 0xD, and "DDa" the code 0xDDA.
//
// Field: a GDI name is a name; text with an operator symbol or a parenthesis is an expression;
// text of RPN symbols and white space only is RPN ("D" is the destination, "DDa" RPN); any other
// single word is a name, and so an unknown name; everything else, the empty text included, is an
// expression.
RopInputKind ClassifyRopInput(RopInputKind kind, std::string_view text);

// "rows", "index", "RPN", "expression", "code", "name"; "operation" for Auto and Field.
std::string_view RopInputKindName(RopInputKind kind);

// A fault as both the window and velmar-rop word it: how the text was read, then what is wrong
// and where: "expression: unknown operand 'Q' at position 5 (operands are P, S, D, 0, 1)".
std::string DescribeRopReadingFault(RopInputKind kind, const RopParseResult& result);
