#include "palette_colors.h"

#include <algorithm>

std::vector<Rgb> PaletteColorsTable(const std::vector<std::uint16_t>& indices,
                                    const std::vector<Rgb>& palette) {
    std::vector<Rgb> table;
    const std::size_t wrap = std::min(palette.size(), indices.size());
    for (const std::uint16_t n : indices)
        table.push_back(n < palette.size() ? palette[n] : palette[n % wrap]);
    return table;
}
