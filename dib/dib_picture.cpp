#include "dib_picture.h"

#include <algorithm>

#include "bgra_pixel.h"
#include "dib_row.h"

namespace {

int CeilDiv(int a, int b) { return (a + b - 1) / b; }

bool LayoutFits(std::size_t size, const DibLayout& layout) {
    if (layout.width <= 0 || layout.height <= 0 || layout.bitsOffset > size) return false;
    return layout.stride * static_cast<std::size_t>(layout.height) <= size - layout.bitsOffset;
}

// Sums of each channel over a factor x factor square, one square per pixel of an output row.
class SquareSums {
public:
    SquareSums(int width, int factor)
        : m_sums(static_cast<std::size_t>(width) * 4), m_factor(factor) {}
    void Clear() { std::fill(m_sums.begin(), m_sums.end(), 0); }
    void Add(const std::vector<std::uint32_t>& row) {
        for (std::size_t x = 0; x < row.size(); ++x) {
            std::uint64_t* sum = &m_sums[x / static_cast<std::size_t>(m_factor) * 4];
            for (int channel = 0; channel < 4; ++channel)
                sum[channel] += (row[x] >> (8 * channel)) & 0xFF;
        }
    }
    // The means, the square at x covering `columns` x `rows` source pixels.
    std::uint32_t Mean(int x, int columns, int rows) const {
        const std::uint64_t count =
            static_cast<std::uint64_t>(columns) * static_cast<std::uint64_t>(rows);
        std::uint32_t pixel = 0;
        for (int channel = 0; channel < 4; ++channel) {
            const std::uint64_t sum =
                m_sums[static_cast<std::size_t>(x) * 4 + static_cast<std::size_t>(channel)];
            pixel |= static_cast<std::uint32_t>((sum + count / 2) / count) << (8 * channel);
        }
        return pixel;
    }

private:
    std::vector<std::uint64_t> m_sums;
    int m_factor;
};

void DecodeReduced(const std::uint8_t* block, const DibLayout& layout, int factor,
                   SourcePicture& picture) {
    std::vector<std::uint32_t> row(static_cast<std::size_t>(layout.width));
    SquareSums sums(picture.width, factor);
    for (int y = 0; y < picture.height; ++y) {
        sums.Clear();
        const int first = y * factor;
        const int rows = std::min(factor, layout.height - first);
        for (int r = first; r < first + rows; ++r) {
            DecodeDibRow(block, layout, r, row.data());
            sums.Add(row);
        }
        std::uint32_t* out = &picture.pixels[static_cast<std::size_t>(y) * picture.width];
        for (int x = 0; x < picture.width; ++x)
            out[x] = sums.Mean(x, std::min(factor, layout.width - x * factor), rows);
    }
}

}  // namespace

SourcePicture DibToPicture(const std::uint8_t* block, std::size_t size, const DibLayout& layout,
                           int maxSide) {
    SourcePicture picture;
    if (!block || !LayoutFits(size, layout)) return picture;
    const int longest = std::max(1, maxSide);
    const int factor = std::max(CeilDiv(layout.width, longest), CeilDiv(layout.height, longest));
    picture.width = CeilDiv(layout.width, factor);
    picture.height = CeilDiv(layout.height, factor);
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
    if (factor == 1) {
        for (int y = 0; y < picture.height; ++y)
            DecodeDibRow(block, layout, y,
                         &picture.pixels[static_cast<std::size_t>(y) * picture.width]);
    } else {
        DecodeReduced(block, layout, factor, picture);
    }
    picture.hasAlpha = layout.hasAlpha && !AllOpaque(picture.pixels);
    picture.premultiplied = picture.hasAlpha && LooksPremultiplied(picture.pixels);
    return picture;
}
