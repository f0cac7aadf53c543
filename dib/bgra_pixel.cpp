#include "bgra_pixel.h"

namespace {

std::uint32_t Part(std::uint32_t pixel, int channel) { return (pixel >> (8 * channel)) & 0xFF; }

}  // namespace

bool AllOpaque(const std::vector<std::uint32_t>& pixels) {
    for (const std::uint32_t pixel : pixels)
        if (Part(pixel, 3) != 255) return false;
    return true;
}

bool LooksPremultiplied(const std::vector<std::uint32_t>& pixels) {
    for (const std::uint32_t pixel : pixels) {
        const std::uint32_t alpha = Part(pixel, 3);
        if (Part(pixel, 0) > alpha || Part(pixel, 1) > alpha || Part(pixel, 2) > alpha)
            return false;
    }
    return true;
}

std::uint32_t ComposeOver(std::uint32_t pixel, std::uint32_t background, bool premultiplied) {
    const std::uint32_t alpha = Part(pixel, 3);
    std::uint32_t composed = 0xFF000000u;
    for (int channel = 0; channel < 3; ++channel) {
        const std::uint32_t behind = Part(background, channel) * (255 - alpha);
        const std::uint32_t sum = premultiplied
                                      ? Part(pixel, channel) + (behind + 127) / 255
                                      : (Part(pixel, channel) * alpha + behind + 127) / 255;
        composed |= (sum > 255 ? 255 : sum) << (8 * channel);
    }
    return composed;
}

bool IsLight(std::uint32_t pixel) {
    return 299 * Part(pixel, 2) + 587 * Part(pixel, 1) + 114 * Part(pixel, 0) >= 128000;
}
