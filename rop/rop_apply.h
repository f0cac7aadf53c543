#pragma once

#include <cstddef>
#include <cstdint>

// An operation on whole words, as GDI applies it to a pixel's bits: bit i of the result is the
// operation's result for bit i of p, s and d. All 32 bits count, the top byte of a 32-bit pixel
// included, since GDI writes it too.
std::uint32_t ApplyRop(std::uint8_t index, std::uint32_t p, std::uint32_t s, std::uint32_t d);

// The same on rows of bytes, d[i] = op(p[i], s[i], d[i]) for i below count: how a blit applies
// the operation to a destination's stored bytes, whatever their format. p and s may be the same
// row; neither may overlap d.
void ApplyRopToBytes(std::uint8_t index, const std::uint8_t* p, const std::uint8_t* s,
                     std::uint8_t* d, std::size_t count);
