#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The name <wingdi.h> gives an operation (SRCCOPY for 0xCC), or an empty view when it has none.
std::string_view GdiRopName(std::uint8_t index);

// The operation a GDI name stands for, in any letter case: one of the 15 ternary names, or an R2_
// pen mix, which stands for its ternary twin (R2_XORPEN -> 0x5A, PATINVERT).
std::optional<std::uint8_t> RopIndexOfName(std::string_view name);
