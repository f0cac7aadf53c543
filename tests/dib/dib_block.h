#pragma once

// Packed device-independent bitmaps built byte by byte for the tests, as another program would
// put them on the clipboard.

#include <cstdint>
#include <vector>

struct DibFields {
    std::uint32_t headerSize = 40;
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 32;
    std::uint32_t compression = 0;  // BI_RGB
    std::uint32_t colorsUsed = 0;
    // In the header from 52 bytes (V2) on; the alpha one from 56 (V3) on.
    std::uint32_t masks[4] = {0, 0, 0, 0};
};

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& bytes, std::uint16_t value);
void Put32(Bytes& bytes, std::uint32_t value);

// The header, then `after` (masks after a BITMAPINFOHEADER, a colour table), then `bits`.
Bytes MakeDib(const DibFields& fields, const std::vector<std::uint32_t>& after, const Bytes& bits);
