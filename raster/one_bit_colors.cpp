#include "one_bit_colors.h"

#include <optional>

#include "color_pixel.h"
#include "nearest_entry.h"

namespace {

// The entry a colour names outright: DIBINDEX's index, or a table colour it equals (the first).
std::optional<std::uint32_t> ExactEntry(ColorRef color, const Surface& destination,
                                        const std::vector<Rgb>& palette) {
    if (IsDibIndex(color)) return DibIndexPixel(color, destination);
    const Rgb rgb = ResolveRgb(color, palette);
    for (std::uint32_t entry = 0; entry < 2; ++entry)
        if (UnpackRgb(destination.format, entry) == rgb) return entry;
    return std::nullopt;
}

std::uint32_t NearerEntry(ColorRef color, const Surface& destination,
                          const std::vector<Rgb>& palette) {
    const std::vector<Rgb> entries = {UnpackRgb(destination.format, 0),
                                      UnpackRgb(destination.format, 1)};
    return NearestEntry(entries, ResolveRgb(color, palette));
}

}  // namespace

OneBitPair OneBitEntries(ColorRef color, ColorRef background, const Surface& destination,
                         const std::vector<Rgb>& palette) {
    const std::optional<std::uint32_t> colorEntry = ExactEntry(color, destination, palette);
    const std::optional<std::uint32_t> backgroundEntry =
        ExactEntry(background, destination, palette);
    const std::uint32_t gap = backgroundEntry ? *backgroundEntry
                              : colorEntry    ? 1 - *colorEntry
                                              : NearerEntry(background, destination, palette);
    if (colorEntry) return {*colorEntry, gap};
    const bool isBackground = ResolveRgb(color, palette) == ResolveRgb(background, palette) &&
                              IsDibIndex(color) == IsDibIndex(background);
    return {isBackground ? gap : 1 - gap, gap};
}
