#include "blit_plan.h"

#include <algorithm>
#include <vector>

#include "rop_apply.h"
#include "surface_pixels.h"

namespace {

struct Rows {
    explicit Rows(std::size_t width)
        : p(width), s(width), d(width), out(width), drawn(width, 1), masked(width, 1) {}
    std::vector<std::uint32_t> p, s, d, out;
    std::vector<std::uint8_t> drawn;
    std::vector<std::uint32_t> masked;
};

// The brush's row under destination row y, from column left on, repeating its tile.
void FillBrushRow(const BrushTile& tile, std::int64_t left, std::int64_t y, Rows& rows) {
    const std::size_t base = static_cast<std::size_t>(tile.Row(y)) * tile.width;
    int column = tile.Column(left);
    for (std::size_t i = 0; i < rows.p.size(); ++i) {
        rows.p[i] = tile.pixels[base + column];
        rows.drawn[i] = tile.drawn[base + column];
        if (++column == tile.width) column = 0;
    }
}

int Repeat(std::int64_t v, int period) {
    return static_cast<int>(((v % period) + period) % period);
}

void ApplyOperations(const BlitPlan& plan, Rows& rows) {
    const std::size_t n = rows.out.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t index = rows.masked[i] ? plan.foreground : plan.background;
        const std::uint32_t result = ApplyRop(index, rows.p[i], rows.s[i], rows.d[i]);
        rows.out[i] = rows.drawn[i] ? result : rows.d[i];
    }
}

}  // namespace

void RunBlit(const BlitPlan& plan, Surface& destination) {
    if (plan.area.Empty()) return;
    const int left = static_cast<int>(plan.area.left);
    const int width = static_cast<int>(plan.area.Width());
    Rows rows(static_cast<std::size_t>(width));
    for (std::int64_t y64 = plan.area.top; y64 < plan.area.bottom; ++y64) {
        const int y = static_cast<int>(y64);
        ReadPixels(destination, left, y, width, rows.d.data());
        if (plan.source) {
            ReadPixels(*plan.source, static_cast<int>(left + plan.sourceDx),
                       static_cast<int>(y + plan.sourceDy), width, rows.s.data());
            plan.conversion->Convert(rows.s.data(), width);
        }
        if (plan.brush) FillBrushRow(*plan.brush, left, y, rows);
        if (plan.mask)
            ReadPixels(*plan.mask, static_cast<int>(left + plan.maskDx),
                       Repeat(y + plan.maskDy, plan.mask->height), width, rows.masked.data());
        ApplyOperations(plan, rows);
        WritePixels(destination, left, y, width, rows.out.data());
    }
}
