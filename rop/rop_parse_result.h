#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

// What a text parser gives back: an operation index, or a message that names the fault and its
// position. Positions in messages count from 1, as a user counts characters. errorOffset and
// errorLength, counted from 0, are the part of the text a window selects to show the fault: the
// unmatched '(', the operator that lacks an operand, the unknown word. The length is 0 only for an
// empty text; a fault found at the end of a text selects what came before it.
struct RopParseResult {
    bool ok = false;
    std::uint8_t index = 0;
    std::size_t errorOffset = 0;
    std::size_t errorLength = 0;
    std::string error;

    static RopParseResult Success(std::uint8_t index) { return {true, index, 0, 0, {}}; }
    static RopParseResult Failure(std::size_t offset, std::size_t length, std::string message) {
        return {false, 0, offset, length, std::move(message)};
    }
};
