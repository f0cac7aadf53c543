#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The bytes of a destination row that hold the pixels [left, right), and rows of operands laid
// out exactly like them: pixel x at the same bits as in the destination. The code then works on
// the bytes themselves, whatever the format; only the pixels outside the span that share its
// first and last byte are given back afterwards.
class PackedSpan {
public:
    PackedSpan(int bitsPerPixel, std::int64_t left, std::int64_t right);

    std::size_t FirstByte() const { return m_firstByte; }
    std::size_t Bytes() const { return m_bytes; }
    int Pixels() const { return m_pixels; }
    int BitsPerPixel() const { return m_bitsPerPixel; }

    // The span's pixels, given as one value each from left on, into a row of Bytes() bytes.
    void Pack(const std::uint32_t* values, std::uint8_t* row) const;

    // A row of the span's pixel values read from another surface's row of the same format whose
    // pixel `column` lies at left: its bytes themselves when they line up, else null.
    const std::uint8_t* SameLayout(const std::uint8_t* row, std::int64_t column) const;

    // Writes `result` over the destination's bytes, keeping the pixels of the first and last
    // byte that lie outside the span.
    void Store(const std::uint8_t* result, std::uint8_t* destinationRow) const;

    // The first and last byte as they were, to give the pixels outside the span back after the
    // bytes were worked on in place.
    struct Edges {
        std::uint8_t first;
        std::uint8_t last;
    };
    Edges KeepEdges(const std::uint8_t* destinationRow) const;
    void RestoreEdges(const Edges& edges, std::uint8_t* destinationRow) const;

private:
    int m_bitsPerPixel;
    int m_firstPixel;  // the first pixel of the first byte
    int m_pixels;
    int m_offset;  // pixels of the first byte before left
    std::size_t m_firstByte;
    std::size_t m_bytes;
    std::uint8_t m_firstMask;  // the span's bits in its first and last byte
    std::uint8_t m_lastMask;
};
