#include "packed_span.h"

#include <cstring>

#include "surface_pixels.h"

PackedSpan::PackedSpan(int bitsPerPixel, std::int64_t left, std::int64_t right)
    : m_bitsPerPixel(bitsPerPixel), m_pixels(static_cast<int>(right - left)) {
    const std::int64_t firstBit = left * bitsPerPixel;
    const std::int64_t endBit = right * bitsPerPixel;
    m_firstByte = static_cast<std::size_t>(firstBit / 8);
    m_bytes = static_cast<std::size_t>((endBit + 7) / 8) - m_firstByte;
    m_firstPixel = static_cast<int>(m_firstByte * 8 / bitsPerPixel);
    m_offset = static_cast<int>(left - m_firstPixel);
    // Leftmost pixels lie in a byte's high bits.
    m_firstMask = static_cast<std::uint8_t>(0xFF >> (firstBit % 8));
    m_lastMask = static_cast<std::uint8_t>(endBit % 8 ? 0xFF << (8 - endBit % 8) : 0xFF);
    if (m_bytes == 1) m_firstMask = m_lastMask = m_firstMask & m_lastMask;
}

void PackedSpan::Pack(const std::uint32_t* values, std::uint8_t* row) const {
    WriteRowPixels(row, m_bitsPerPixel, m_offset, m_pixels, values);
}

const std::uint8_t* PackedSpan::SameLayout(const std::uint8_t* row, std::int64_t column) const {
    const std::int64_t bit = column * m_bitsPerPixel;
    if (bit % 8 != static_cast<std::int64_t>(m_offset) * m_bitsPerPixel % 8) return nullptr;
    return row + bit / 8;
}

PackedSpan::Edges PackedSpan::KeepEdges(const std::uint8_t* destinationRow) const {
    return {destinationRow[m_firstByte], destinationRow[m_firstByte + m_bytes - 1]};
}

void PackedSpan::RestoreEdges(const Edges& edges, std::uint8_t* destinationRow) const {
    std::uint8_t& first = destinationRow[m_firstByte];
    std::uint8_t& last = destinationRow[m_firstByte + m_bytes - 1];
    first = static_cast<std::uint8_t>((edges.first & ~m_firstMask) | (first & m_firstMask));
    last = static_cast<std::uint8_t>((edges.last & ~m_lastMask) | (last & m_lastMask));
}

void PackedSpan::Store(const std::uint8_t* result, std::uint8_t* destinationRow) const {
    const Edges edges = KeepEdges(destinationRow);
    std::memcpy(destinationRow + m_firstByte, result, m_bytes);
    RestoreEdges(edges, destinationRow);
}
