#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "rop_parse_result.h"

// The result column of the truth table as eight digits, row 1 first (the window's top row):
// index 0xE2 is "01000111". White space between the digits is allowed.
RopParseResult ParseRopRows(std::string_view text);
std::string FormatRopRows(std::uint8_t index);

// An operation index in hexadecimal, with or without "0x": "E2", "0xe2", "0x00E2".
RopParseResult ParseRopIndex(std::string_view text);
// "0xE2", "0x05": always two digits, as the published table writes indexes.
std::string FormatRopIndex(std::uint8_t index);
