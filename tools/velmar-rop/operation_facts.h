#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A code whose low word is not the published one for its index. GDI looks only at the index, so
// such a code still works; the warning says so, and what the stray low word would have meant.
struct LowWordWarning {
    std::uint32_t givenCode = 0;
    std::uint16_t givenLowWord = 0;
    std::uint16_t publishedLowWord = 0;
    std::optional<std::string> givenRpn;  // what the given low word encodes, if anything
    std::uint8_t givenRpnIndex = 0;       // the operation that RPN computes
    std::string message;
};

// Everything the program reports about one operation, in both of its output formats.
struct OperationFacts {
    std::uint8_t index = 0;
    std::uint32_t code = 0;
    std::string indexText;   // "0xE2"
    std::string codeText;    // "0x00E20746"
    std::string windowCode;  // "0xE20746", as the window's Hex field shows it
    std::string rpn;
    std::string_view gdiName;  // empty when <wingdi.h> has none
    std::string expression;
    int operators = 0;
    std::string rows;  // the result column, row 1 first
    std::optional<LowWordWarning> warning;
};

// givenCode: the code the user typed, checked against the published low word.
OperationFacts CollectOperationFacts(std::uint8_t index,
                                     std::optional<std::uint32_t> givenCode = std::nullopt);
