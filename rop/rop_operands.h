#pragma once

#include <cstdint>

// The three operands as truth-table columns: bit k of each is its value in row k + 1, so evaluating
// an operation on these bytes gives its index directly.
constexpr std::uint8_t kRopPattern = 0xF0;
constexpr std::uint8_t kRopSource = 0xCC;
constexpr std::uint8_t kRopDestination = 0xAA;
