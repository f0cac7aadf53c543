#pragma once

#include <cstdint>
#include <string>
#include <string_view>

constexpr std::uint32_t kSrcCopy = 0x00CC0020;
constexpr std::uint32_t kRopCodeMin = 0;
constexpr std::uint32_t kRopCodeMax = 0x00FFFFFF;

// The longest text ParseRopCode looks at; the rest of a longer text is ignored.
constexpr std::size_t kRopCodeTextLimit = 62;

struct ParsedRopCode {
    std::uint32_t value;
    bool ok;  // false exactly when value is 0xFFFFFFFF (all ones, overflow, "-1")
};

// "0x" and upper-case hex digits without leading zeros: 0x00CC0020 -> "0xCC0020", 0 -> "0x0".
std::string FormatRopCode(std::uint32_t code);

// All eight digits, as <wingdi.h> writes its codes: 0x00CC0020 -> "0x00CC0020".
std::string FormatFullRopCode(std::uint32_t code);

// An optional "x"/"0x" prefix, then what strtoul with base 16 reads from the rest.
ParsedRopCode ParseRopCode(std::string_view text);

bool CheckRopCodeRange(std::uint32_t value);

// "%lx" of the bounds, for the range message: "0" and "ffffff".
std::string FormatRopCodeBound(std::uint32_t bound);
