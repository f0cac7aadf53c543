#pragma once

#include <cstdint>

#include "blit_rect.h"
#include "brush_tile.h"
#include "source_conversion.h"
#include "surface.h"

// One blit with every operand ready: the area is clipped to every surface it reads, the brush
// and the source already give destination pixels. A source or mask pixel lies at the
// destination pixel plus its offset; the mask's rows repeat, its columns must all be there.
struct BlitPlan {
    BlitRect area;
    std::uint8_t foreground = 0;       // the operation where the mask bit is 1, or with no mask
    std::uint8_t background = 0;       // where it is 0
    const BrushTile* brush = nullptr;  // null when no operation reads P
    const Surface* source = nullptr;
    const SourceConversion* conversion = nullptr;
    std::int64_t sourceDx = 0;
    std::int64_t sourceDy = 0;
    const Surface* mask = nullptr;
    std::int64_t maskDx = 0;
    std::int64_t maskDy = 0;
};

// Row by row: P and S laid out as the destination's bytes are, then the operation on the bytes
// themselves. The source and mask must not be the destination itself (the caller reads such a
// one first).
void RunBlit(const BlitPlan& plan, Surface& destination);
