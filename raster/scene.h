#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "color_ref.h"
#include "dc_state.h"
#include "surface.h"

// A scene as its file describes it (docs/scenes.md): bitmaps, each selected into a DC of its
// own, and the steps run on them in order. Whoever plays it (the model, a real GDI) starts from
// this alone.

// The largest side of a bitmap, and all of a scene's bitmaps' bytes together.
constexpr int kSceneSideLimit = 16384;
constexpr std::size_t kSceneBytesLimit = std::size_t{256} << 20;

struct SceneBitmap {
    std::string name;
    // The format, size and first bytes. A DIB of DIB_PAL_COLORS has the table its indices gave
    // through the default palette when the section was made.
    Surface surface;
    bool bitfields = false;  // BI_BITFIELDS rather than BI_RGB (16 and 32 bits)
    std::optional<std::vector<std::uint16_t>> paletteIndices;  // DIB_PAL_COLORS
};

struct SceneBrush {
    enum class Kind { Null, Solid, Hatch, Pattern, DibPattern };
    Kind kind = Kind::Solid;
    ColorRef color = 0;
    std::int64_t hatchStyle = 0;  // as given: GDI refuses some
    std::size_t bitmap = 0;       // Pattern and DibPattern
    bool paletteColors = false;   // DibPattern: DIB_PAL_COLORS, the DIB's indices
};

struct ScenePalette {
    bool stock = true;  // the default palette, as "default" names it
    std::vector<Rgb> colors;
};

struct SetStep {
    std::size_t dc = 0;
    std::optional<ColorRef> text;
    std::optional<ColorRef> background;
    std::optional<BkMode> bkMode;
    std::optional<SceneBrush> brush;
    std::optional<BrushOrigin> brushOrigin;
    std::optional<ScenePalette> palette;
};

struct BlitArguments {
    std::size_t target = 0;
    int x = 0, y = 0, w = 0, h = 0;
};

struct PatBltStep {
    BlitArguments at;
    std::uint32_t rop = 0;
};

struct BitBltStep {
    BlitArguments at;
    std::optional<std::size_t> source;
    int sx = 0, sy = 0;
    std::uint32_t rop = 0;
};

struct MaskBltStep {
    BlitArguments at;
    std::optional<std::size_t> source;
    int sx = 0, sy = 0;
    std::optional<std::size_t> mask;
    int mx = 0, my = 0;
    std::uint32_t rop4 = 0;
};

using SceneStep = std::variant<SetStep, PatBltStep, BitBltStep, MaskBltStep>;

struct Scene {
    std::vector<SceneBitmap> bitmaps;
    std::size_t target = 0;
    std::vector<SceneStep> steps;
};

// "set", "patblt", "bitblt" or "maskblt".
const char* SceneStepName(const SceneStep& step);
