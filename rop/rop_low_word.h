#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The low word of a ROP code: the operation code that tells a driver how to compute the index.
constexpr std::uint16_t RopLowWord(std::uint32_t code) {
    return static_cast<std::uint16_t>(code & 0xFFFF);
}

// The RPN an operation code encodes, spelled as the published table spells it (trailing pairs of
// n cancelled), or nothing when the word uses an undefined template or its operators would run
// out of operands.
std::optional<std::string> DecodeRopLowWord(std::uint16_t lowWord);

// The published RPN of an operation: its code's low word decoded, and the two constant
// operations written as the constants 0 and 1.
std::string PublishedRopRpn(std::uint8_t index);

// "0x%04X": 0x0746.
std::string FormatRopLowWord(std::uint16_t lowWord);

// Whether a code's low word is the one the published table gives its index.
bool HasPublishedLowWord(std::uint32_t code);
