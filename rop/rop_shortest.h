#pragma once

#include <array>
#include <cstdint>
#include <string>

// A C expression over P, S and D with the fewest operators (~, &, |, ^ each count one). The two
// constant operations are written 0 and 1 with no operator; constants never appear inside an
// expression, since they never make one shorter.
//
// Among equally short expressions the one with fewer ^ wins (xor is the hardest to read), then
// fewer ~, then the shorter text, then the text that sorts first with P before S before D; every
// part of an expression is itself the winning expression for its own operation. Binary operators of
// different kinds are always parenthesized, so a reader never needs C's precedence table; chains of
// one operator are not.
struct RopShortestExpression {
    std::string text;
    int operators = 0;
};

using RopShortestExpressionTable = std::array<RopShortestExpression, 256>;

// Searches expressions by size, smallest first, until every operation has one.
RopShortestExpressionTable SearchShortestRopExpressions();

// The search's result for one operation; the search runs once, on first use.
const RopShortestExpression& ShortestRopExpression(std::uint8_t index);
