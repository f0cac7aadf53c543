#include "gdi_blits.h"

#include <optional>

#include "blit_plan.h"
#include "rop_operand_use.h"
#include "rop_quaternary.h"
#include "surface_pixels.h"

namespace {

std::uint8_t IndexOf(std::uint32_t rop) { return static_cast<std::uint8_t>(rop >> 16); }

bool ReadsPattern(std::uint8_t index) { return RopOperandsUsed(index).pattern; }
bool ReadsSource(std::uint8_t index) { return RopOperandsUsed(index).source; }

// The named rectangle on the destination, clipped to it.
BlitRect TargetArea(const MemoryDc& target, int x, int y, int w, int h) {
    return Intersect(NamedRect(x, y, w, h), SurfaceRect(target.bitmap.width, target.bitmap.height));
}

// A blit whose source is its destination reads the source as it was before the blit.
struct SourceView {
    SourceView(const MemoryDc* source, const MemoryDc& target) : dc(source) {
        if (source == &target) copy = *source;
        if (copy) dc = &*copy;
    }
    const MemoryDc* dc;
    std::optional<MemoryDc> copy;
};

// Runs the plan with the brush (if any operation reads it) and the source (if given); the area
// is clipped to the source here.
void Draw(BlitPlan plan, MemoryDc& target, const MemoryDc* source, std::int64_t sx,
          std::int64_t sy) {
    std::optional<BrushTile> tile;
    if (ReadsPattern(plan.foreground) || (plan.mask && ReadsPattern(plan.background))) {
        tile = MakeBrushTile(target.state, target.bitmap);
        plan.brush = &*tile;
    }
    std::optional<SourceConversion> conversion;
    if (source) {
        plan.sourceDx = sx;
        plan.sourceDy = sy;
        const BlitRect sourceArea = SurfaceRect(source->bitmap.width, source->bitmap.height);
        plan.area = Intersect(plan.area, Offset(sourceArea, -sx, -sy));
        conversion.emplace(source->bitmap, source->state, target.bitmap, target.state);
        plan.source = &source->bitmap;
        plan.conversion = &*conversion;
    }
    RunBlit(plan, target.bitmap);
}

// The mask as bits: a monochrome bitmap's own, a 1-bit DIB's as it would blit onto one.
Surface MaskBits(const MemoryDc& mask) {
    if (mask.bitmap.IsMonochromeBitmap()) return mask.bitmap;
    Surface bits = MakeMonochromeBitmap(mask.bitmap.width, mask.bitmap.height);
    const SourceConversion conversion(mask.bitmap, mask.state, bits, mask.state);
    std::vector<std::uint32_t> row(static_cast<std::size_t>(mask.bitmap.width));
    for (int y = 0; y < mask.bitmap.height; ++y) {
        ReadPixels(mask.bitmap, 0, y, mask.bitmap.width, row.data());
        conversion.Convert(row.data(), mask.bitmap.width);
        WritePixels(bits, 0, y, mask.bitmap.width, row.data());
    }
    return bits;
}

// The mask's columns under the named rectangle, [mx, mx + w) or [mx + w, mx), all inside it.
bool MaskCoversColumns(const Surface& mask, int mx, int w) {
    const BlitRect columns = NamedRect(mx, 0, w, 1);
    return columns.left >= 0 && columns.right <= mask.width;
}

}  // namespace

bool PatBlt(MemoryDc& target, int x, int y, int w, int h, std::uint32_t rop) {
    const std::uint8_t index = IndexOf(rop);
    if (ReadsSource(index)) return false;
    BlitPlan plan;
    plan.area = TargetArea(target, x, y, w, h);
    plan.foreground = index;
    Draw(plan, target, nullptr, 0, 0);
    return true;
}

bool BitBlt(MemoryDc& target, int x, int y, int w, int h, const MemoryDc* source, int sx, int sy,
            std::uint32_t rop) {
    const std::uint8_t index = IndexOf(rop);
    if (!ReadsSource(index)) return PatBlt(target, x, y, w, h, rop);
    if (!source) return false;
    const SourceView view(source, target);
    BlitPlan plan;
    plan.area = TargetArea(target, x, y, w, h);
    plan.foreground = index;
    Draw(plan, target, view.dc, std::int64_t{sx} - x, std::int64_t{sy} - y);
    return true;
}

bool MaskBlt(MemoryDc& target, int x, int y, int w, int h, const MemoryDc* source, int sx, int sy,
             const MemoryDc* mask, int mx, int my, std::uint32_t rop4) {
    if (!source) return false;
    if (!mask) return BitBlt(target, x, y, w, h, source, sx, sy, rop4 & 0x00FFFFFF);
    if (mask->bitmap.format.bitsPerPixel != 1 || !MaskCoversColumns(mask->bitmap, mx, w))
        return false;
    const SourceView view(source, target);
    const Surface bits = MaskBits(*mask);
    BlitPlan plan;
    plan.area = TargetArea(target, x, y, w, h);
    plan.foreground = Rop4ForegroundIndex(rop4);
    plan.background = Rop4BackgroundIndex(rop4);
    plan.mask = &bits;
    plan.maskDx = std::int64_t{mx} - x;
    plan.maskDy = std::int64_t{my} - y;
    const bool readsSource = ReadsSource(plan.foreground) || ReadsSource(plan.background);
    Draw(plan, target, readsSource ? view.dc : nullptr, std::int64_t{sx} - x, std::int64_t{sy} - y);
    return true;
}
