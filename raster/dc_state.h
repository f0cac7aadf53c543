#pragma once

#include <cstdint>
#include <vector>

#include "brush.h"
#include "color_ref.h"
#include "stock_colors.h"

enum class BkMode { Transparent, Opaque };

// SetBrushOrgEx keeps the origin as given; the pattern's phase reduces it when it draws.
struct BrushOrigin {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// What a device context holds that a blit reads, as a new memory DC starts.
struct DcState {
    ColorRef text = 0x000000;
    ColorRef background = 0xFFFFFF;
    BkMode bkMode = BkMode::Opaque;
    Brush brush = MakeSolidBrush(0xFFFFFF);
    BrushOrigin brushOrigin;
    std::vector<Rgb> palette = DefaultPalette();
};
