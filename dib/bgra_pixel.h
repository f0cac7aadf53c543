#pragma once

// How one pixel of a picture becomes a pixel of a sample: alpha composed over the panel's
// background, and the light rule by which a black-and-white sample takes it. Pixels are
// 0xAARRGGBB; a background is 0x00RRGGBB.

#include <cstdint>
#include <vector>

// Every alpha is 255.
bool AllOpaque(const std::vector<std::uint32_t>& pixels);

// No colour channel exceeds its pixel's alpha, as in colours already multiplied by it.
bool LooksPremultiplied(const std::vector<std::uint32_t>& pixels);

// The pixel over the background, opaque (alpha 255): straight colours are weighted by alpha,
// premultiplied ones have the background's share added.
std::uint32_t ComposeOver(std::uint32_t pixel, std::uint32_t background, bool premultiplied);

// Luminance (299 R + 587 G + 114 B) / 1000 of at least 128: a 1 (white) in black and white.
bool IsLight(std::uint32_t pixel);
