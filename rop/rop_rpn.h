#pragma once

#include <string_view>

#include "rop_parse_result.h"

// Reverse Polish notation as the published table writes it: operands P, S, D and the constants
// 0 and 1, binary operators a (and), o (or), x (xor) and the unary n (not). Any well-formed
// sequence is accepted, not only the published spellings; white space between symbols is skipped.
RopParseResult EvaluateRopRpn(std::string_view text);
