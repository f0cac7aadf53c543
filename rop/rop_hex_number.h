#pragma once

#include <cstdint>
#include <string_view>

#include "rop_parse_result.h"

// How a hexadecimal number is named in messages and how large it may be.
struct RopHexNumberRules {
    std::string_view noun;         // "index": "the index has no hexadecimal digits"
    std::uint32_t maximum;         // at most 0xFFFFFFFF
    std::string_view maximumText;  // "FF": "the index is larger than FF at position 5"
    std::string_view range;        // the reminder after that: "an operation index is one byte..."
};

struct ParsedRopHexNumber {
    RopParseResult status;  // success or the fault; its index is not used
    std::uint32_t value = 0;
};

// Hexadecimal digits with or without "0x", nothing else: no sign, no white space.
ParsedRopHexNumber ParseRopHexNumber(std::string_view text, const RopHexNumberRules& rules);
