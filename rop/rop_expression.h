#pragma once

#include <cstddef>
#include <string_view>

#include "rop_parse_result.h"

// Deeper parentheses than this are refused, so no text can exhaust the call stack.
constexpr std::size_t kRopExpressionMaxNesting = 256;

// A C-style Boolean expression over P, S, D, 0 and 1: unary ~ and ! (both bitwise not), then &,
// then ^, then | (C's precedence), parentheses and white space.
RopParseResult EvaluateRopExpression(std::string_view text);
