#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "operation_facts.h"
#include "rop_reader.h"

// A --rop4 code whose low word is neither 0 nor the foreground's published one.
struct MaskLowWordWarning {
    std::uint16_t givenLowWord = 0;
    std::uint16_t publishedLowWord = 0;
    std::string message;
};

// Everything the program reports about one MaskBlt code.
struct MaskFacts {
    std::uint32_t code = 0;
    std::string codeText;                          // "0xAACC0020"
    std::string asC;                               // "MAKEROP4(SRCCOPY, 0x00AA0029)"
    OperationFacts foreground;                     // where the mask bit is 1
    OperationFacts background;                     // where it is 0
    std::optional<RopInputKind> foregroundReadAs;  // how --fore and --back were read
    std::optional<RopInputKind> backgroundReadAs;
    std::optional<MaskLowWordWarning> warning;
};

// From --fore and --back, both read successfully: a foreground given as a code keeps its own low
// word in the result, as MAKEROP4 keeps it.
MaskFacts CollectMaskFactsOfHalves(const RopReading& foreground, const RopReading& background);

// From a whole code, as --rop4 takes it.
MaskFacts CollectMaskFactsOfCode(std::uint32_t code);
