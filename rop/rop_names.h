#pragma once

#include <cstdint>
#include <string_view>

// The name <wingdi.h> gives an operation (SRCCOPY for 0xCC), or an empty view when it has none.
std::string_view GdiRopName(std::uint8_t index);
