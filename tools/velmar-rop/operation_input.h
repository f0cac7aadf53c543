#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "command_line.h"

struct OperationInput {
    bool ok = false;
    InputKind kind = InputKind::Auto;  // how the text was read, never Auto once read
    std::uint8_t index = 0;
    std::optional<std::uint32_t> givenCode;  // the whole code, when the input was one
    std::string error;                       // what was wrong, and where
};

// Without a flag: text the window's Hex field would read as digits only (an optional "0x" or "x",
// then hexadecimal digits) is a code; otherwise text with an operator symbol or a parenthesis is
// an expression; anything else is RPN. So "D" is the code 0xD, and only --rpn D the destination.
InputKind ClassifyInput(std::string_view text);

OperationInput ReadOperation(InputKind kind, std::string_view text);

// "rows", "index", "RPN", "expression", "code".
std::string_view InputKindName(InputKind kind);
