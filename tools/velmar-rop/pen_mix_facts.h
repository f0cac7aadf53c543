#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Everything the program reports about one SetROP2 pen mix.
struct PenMixFacts {
    int mix = 0;             // 1 to 16
    std::string_view name;   // R2_XORPEN
    std::string rpn;         // the twin's published RPN, which reads only P and D
    std::string expression;  // the twin's shortest expression, which never needs S
    int operators = 0;
    std::string rows;            // the four results, row 1 first
    std::uint8_t twinIndex = 0;  // the ternary operation PatBlt takes for the same result
    std::string twinIndexText;   // "0x5A"
    std::string twinCode;        // "0x005A0049"
    std::string_view twinName;   // "PATINVERT", empty when <wingdi.h> has none
};

PenMixFacts CollectPenMixFacts(int mix);
