#include "surface_pixels.h"

#include <cstring>

namespace {

// Pixels narrower than a byte, leftmost in the high bits, as GDI packs them.
template <int Bits>
void ReadPacked(const std::uint8_t* row, int x, int count, std::uint32_t* values) {
    constexpr int kPerByte = 8 / Bits;
    constexpr std::uint32_t kMask = (1u << Bits) - 1;
    for (int i = 0; i < count; ++i) {
        const int column = x + i;
        const int shift = (kPerByte - 1 - column % kPerByte) * Bits;
        values[i] = (row[column / kPerByte] >> shift) & kMask;
    }
}

template <int Bits>
void WritePacked(std::uint8_t* row, int x, int count, const std::uint32_t* values) {
    constexpr int kPerByte = 8 / Bits;
    constexpr std::uint32_t kMask = (1u << Bits) - 1;
    for (int i = 0; i < count; ++i) {
        const int column = x + i;
        const int shift = (kPerByte - 1 - column % kPerByte) * Bits;
        std::uint8_t& byte = row[column / kPerByte];
        byte =
            static_cast<std::uint8_t>((byte & ~(kMask << shift)) | ((values[i] & kMask) << shift));
    }
}

// Whole bytes, little-endian as in memory.
template <int Bytes>
void ReadWhole(const std::uint8_t* row, int x, int count, std::uint32_t* values) {
    const std::uint8_t* p = row + static_cast<std::size_t>(x) * Bytes;
    for (int i = 0; i < count; ++i, p += Bytes) {
        std::uint32_t value = 0;
        for (int b = Bytes - 1; b >= 0; --b) value = (value << 8) | p[b];
        values[i] = value;
    }
}

template <int Bytes>
void WriteWhole(std::uint8_t* row, int x, int count, const std::uint32_t* values) {
    std::uint8_t* p = row + static_cast<std::size_t>(x) * Bytes;
    for (int i = 0; i < count; ++i, p += Bytes)
        for (int b = 0; b < Bytes; ++b) p[b] = static_cast<std::uint8_t>(values[i] >> (8 * b));
}

// 32-bit pixels copied whole: the hosts Velmar is built for are little-endian, as a DIB is.
template <>
void ReadWhole<4>(const std::uint8_t* row, int x, int count, std::uint32_t* values) {
    std::memcpy(values, row + static_cast<std::size_t>(x) * 4, static_cast<std::size_t>(count) * 4);
}

template <>
void WriteWhole<4>(std::uint8_t* row, int x, int count, const std::uint32_t* values) {
    std::memcpy(row + static_cast<std::size_t>(x) * 4, values, static_cast<std::size_t>(count) * 4);
}

}  // namespace

void ReadRowPixels(const std::uint8_t* row, int bitsPerPixel, int x, int count,
                   std::uint32_t* values) {
    switch (bitsPerPixel) {
        case 1:
            return ReadPacked<1>(row, x, count, values);
        case 4:
            return ReadPacked<4>(row, x, count, values);
        case 8:
            return ReadWhole<1>(row, x, count, values);
        case 16:
            return ReadWhole<2>(row, x, count, values);
        case 24:
            return ReadWhole<3>(row, x, count, values);
        default:
            return ReadWhole<4>(row, x, count, values);
    }
}

void WriteRowPixels(std::uint8_t* row, int bitsPerPixel, int x, int count,
                    const std::uint32_t* values) {
    switch (bitsPerPixel) {
        case 1:
            return WritePacked<1>(row, x, count, values);
        case 4:
            return WritePacked<4>(row, x, count, values);
        case 8:
            return WriteWhole<1>(row, x, count, values);
        case 16:
            return WriteWhole<2>(row, x, count, values);
        case 24:
            return WriteWhole<3>(row, x, count, values);
        default:
            return WriteWhole<4>(row, x, count, values);
    }
}

void ReadPixels(const Surface& surface, int x, int y, int count, std::uint32_t* values) {
    ReadRowPixels(surface.Row(y), surface.format.bitsPerPixel, x, count, values);
}

void WritePixels(Surface& surface, int x, int y, int count, const std::uint32_t* values) {
    WriteRowPixels(surface.Row(y), surface.format.bitsPerPixel, x, count, values);
}
