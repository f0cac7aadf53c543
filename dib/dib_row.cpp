#include "dib_row.h"

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

// Where one channel is in a pixel, found once per row rather than once per pixel.
struct ChannelBits {
    explicit ChannelBits(std::uint32_t m) : mask(m) {
        if (mask == 0) return;
        while (((mask >> shift) & 1u) == 0) ++shift;
        top = mask >> shift;
        while (bits < 32 && (top >> bits) != 0) ++bits;
    }
    // The channel scaled to 0-255: a 5-bit 31 is 255, as an 8-bit 255 is.
    std::uint32_t Of(std::uint32_t pixel) const {
        if (mask == 0) return 0;
        const std::uint32_t value = (pixel & mask) >> shift;
        if (bits >= 8) return value >> (bits - 8);
        return (value * 255 + top / 2) / top;
    }
    std::uint32_t mask;
    int shift = 0;
    std::uint32_t top = 0;
    int bits = 0;
};

struct PixelChannels {
    explicit PixelChannels(const DibLayout& layout)
        : red(layout.masks.red),
          green(layout.masks.green),
          blue(layout.masks.blue),
          alpha(layout.hasAlpha ? layout.masks.alpha : 0),
          opaque(!layout.hasAlpha) {}
    std::uint32_t Of(std::uint32_t pixel) const {
        const std::uint32_t a = opaque ? 255 : alpha.Of(pixel);
        return (a << 24) | (red.Of(pixel) << 16) | (green.Of(pixel) << 8) | blue.Of(pixel);
    }
    ChannelBits red, green, blue, alpha;
    bool opaque;
};

std::uint32_t FromTable(const std::uint8_t* block, const DibLayout& layout, std::uint32_t index) {
    if (index >= layout.colorCount) return kOpaque;
    const std::uint8_t* entry = block + layout.colorTableOffset + std::size_t{index} * 4;
    return kOpaque | (std::uint32_t{entry[2]} << 16) | (std::uint32_t{entry[1]} << 8) | entry[0];
}

void DecodePaletteRow(const std::uint8_t* block, const DibLayout& layout, const std::uint8_t* bits,
                      std::uint32_t* out) {
    const int depth = layout.bitCount;
    const int perByte = 8 / depth;
    const std::uint32_t low = (1u << depth) - 1;
    for (std::int32_t x = 0; x < layout.width; ++x) {
        const int shift = 8 - depth * (x % perByte + 1);  // the leftmost pixel in the high bits
        out[x] = FromTable(block, layout, (bits[x / perByte] >> shift) & low);
    }
}

void DecodeMaskedRow(const DibLayout& layout, const std::uint8_t* bits, std::uint32_t* out) {
    const int bytes = layout.bitCount / 8;
    const PixelChannels channels(layout);
    for (std::int32_t x = 0; x < layout.width; ++x, bits += bytes) {
        std::uint32_t pixel = 0;
        for (int i = bytes - 1; i >= 0; --i) pixel = (pixel << 8) | bits[i];
        out[x] = channels.Of(pixel);
    }
}

}  // namespace

void DecodeDibRow(const std::uint8_t* block, const DibLayout& layout, std::int32_t row,
                  std::uint32_t* out) {
    const std::int32_t stored = layout.topDown ? row : layout.height - 1 - row;
    const std::uint8_t* bits =
        block + layout.bitsOffset + layout.stride * static_cast<std::size_t>(stored);
    if (layout.bitCount <= 8)
        DecodePaletteRow(block, layout, bits, out);
    else
        DecodeMaskedRow(layout, bits, out);
}
