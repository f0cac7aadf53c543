#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

// What a text parser gives back: an operation index, or a message that names the fault and its
// position. Positions in messages count from 1, as a user counts characters; errorOffset is the
// same place counted from 0 (the text's length when the text ended too early), for selecting it.
struct RopParseResult {
    bool ok = false;
    std::uint8_t index = 0;
    std::size_t errorOffset = 0;
    std::string error;

    static RopParseResult Success(std::uint8_t index) { return {true, index, 0, {}}; }
    static RopParseResult Failure(std::size_t offset, std::string message) {
        return {false, 0, offset, std::move(message)};
    }
};

// A character as a message shows it: printable ASCII quoted, anything else as \xNN, so a message
// never carries control bytes or broken UTF-8 to the terminal.
std::string DescribeRopTextChar(char c);
