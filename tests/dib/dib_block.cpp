#include "dib_block.h"

void Put16(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

Bytes MakeDib(const DibFields& fields, const std::vector<std::uint32_t>& after, const Bytes& bits) {
    Bytes block;
    Put32(block, fields.headerSize);
    Put32(block, static_cast<std::uint32_t>(fields.width));
    Put32(block, static_cast<std::uint32_t>(fields.height));
    Put16(block, fields.planes);
    Put16(block, fields.bitCount);
    Put32(block, fields.compression);
    for (int i = 0; i < 3; ++i) Put32(block, 0);  // image size, resolution
    Put32(block, fields.colorsUsed);
    Put32(block, 0);  // important colours
    for (int i = 0; i < 4 && block.size() < fields.headerSize; ++i) Put32(block, fields.masks[i]);
    block.resize(fields.headerSize, 0);
    for (const std::uint32_t value : after) Put32(block, value);
    block.insert(block.end(), bits.begin(), bits.end());
    return block;
}
