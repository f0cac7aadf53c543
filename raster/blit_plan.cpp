#include "blit_plan.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "brush_rows.h"
#include "packed_span.h"
#include "rop_apply.h"
#include "surface_pixels.h"

namespace {

int Repeat(std::int64_t v, int period) {
    return static_cast<int>(((v % period) + period) % period);
}

// The rows one blit works with, each Bytes() long and laid out as the destination's span.
struct Buffers {
    explicit Buffers(const PackedSpan& span)
        : work(span.Bytes()),
          other(span.Bytes()),
          source(span.Bytes()),
          select(span.Bytes()),
          zero(span.Bytes()),
          values(static_cast<std::size_t>(span.Pixels())) {}
    std::vector<std::uint8_t> work, other, source, select, zero;
    std::vector<std::uint32_t> values;
};

// The source under destination row y as destination values: its own bytes where nothing
// changes and they line up, else read, converted and packed.
const std::uint8_t* SourceRow(const BlitPlan& plan, const PackedSpan& span, std::int64_t y,
                              Buffers& buffers) {
    const Surface& source = *plan.source;
    const int sy = static_cast<int>(y + plan.sourceDy);
    const std::int64_t column = plan.area.left + plan.sourceDx;
    if (plan.conversion->KeepsValues())
        if (const std::uint8_t* same = span.SameLayout(source.Row(sy), column)) return same;
    ReadPixels(source, static_cast<int>(column), sy, span.Pixels(), buffers.values.data());
    plan.conversion->Convert(buffers.values.data(), span.Pixels());
    span.Pack(buffers.values.data(), buffers.source.data());
    return buffers.source.data();
}

// The mask under row y as whole pixels of ones (bit 1) or zeros, its rows repeating.
void MaskRow(const BlitPlan& plan, const PackedSpan& span, std::int64_t y, Buffers& buffers) {
    const Surface& mask = *plan.mask;
    ReadPixels(mask, static_cast<int>(plan.area.left + plan.maskDx),
               Repeat(y + plan.maskDy, mask.height), span.Pixels(), buffers.values.data());
    const std::uint32_t all = PixelValueMask(span.BitsPerPixel());
    for (std::uint32_t& bit : buffers.values) bit = bit ? all : 0;
    span.Pack(buffers.values.data(), buffers.select.data());
}

// where[i] chooses a bit of yes where set, of no elsewhere: into yes.
void Choose(const std::uint8_t* where, std::uint8_t* yes, const std::uint8_t* no, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
        yes[i] = static_cast<std::uint8_t>((where[i] & yes[i]) | (~where[i] & no[i]));
}

// A blit of a source as it is, with no brush and no mask, over rows that follow one another in
// memory on both sides with nothing between them, is one long row: a SRCCOPY of whole bitmaps
// is then a single copy. The code reads no P, so the source stands in for it.
bool RunAsOneRow(const BlitPlan& plan, const PackedSpan& span, Surface& destination) {
    if (plan.brush || plan.mask || !plan.source || !plan.conversion->KeepsValues()) return false;
    const Surface& source = *plan.source;
    if (plan.area.left != 0 || plan.sourceDx != 0 || span.Bytes() != destination.stride ||
        source.stride != destination.stride || source.topDown != destination.topDown)
        return false;
    const int top = static_cast<int>(plan.area.top);
    const int last = static_cast<int>(plan.area.bottom - 1);
    const int dy = static_cast<int>(plan.sourceDy);
    std::uint8_t* d = std::min(destination.Row(top), destination.Row(last));
    const std::uint8_t* s = std::min(source.Row(top + dy), source.Row(last + dy));
    ApplyRopToBytes(plan.foreground, s, s, d, destination.stride * (last - top + 1));
    return true;
}

}  // namespace

void RunBlit(const BlitPlan& plan, Surface& destination) {
    if (plan.area.Empty()) return;
    const PackedSpan span(destination.format.bitsPerPixel, plan.area.left, plan.area.right);
    if (RunAsOneRow(plan, span, destination)) return;
    const std::size_t n = span.Bytes();
    Buffers buffers(span);
    std::optional<BrushRows> brush;
    if (plan.brush) brush.emplace(*plan.brush, span, plan.area.left);
    for (std::int64_t y = plan.area.top; y < plan.area.bottom; ++y) {
        std::uint8_t* row = destination.Row(static_cast<int>(y));
        std::uint8_t* d = row + span.FirstByte();
        const std::uint8_t* s =
            plan.source ? SourceRow(plan, span, y, buffers) : buffers.zero.data();
        const BrushRows::Row p =
            brush ? brush->At(y) : BrushRows::Row{buffers.zero.data(), nullptr};
        if (!plan.mask && !p.drawn) {
            const PackedSpan::Edges edges = span.KeepEdges(row);
            ApplyRopToBytes(plan.foreground, p.pattern, s, d, n);
            span.RestoreEdges(edges, row);
            continue;
        }
        std::uint8_t* work = buffers.work.data();
        std::copy(d, d + n, work);
        if (plan.mask) {
            std::copy(d, d + n, buffers.other.data());
            ApplyRopToBytes(plan.background, p.pattern, s, buffers.other.data(), n);
            ApplyRopToBytes(plan.foreground, p.pattern, s, work, n);
            MaskRow(plan, span, y, buffers);
            Choose(buffers.select.data(), work, buffers.other.data(), n);
        } else {
            ApplyRopToBytes(plan.foreground, p.pattern, s, work, n);
        }
        if (p.drawn) Choose(p.drawn, work, d, n);
        span.Store(work, row);
    }
}
