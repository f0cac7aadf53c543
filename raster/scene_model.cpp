#include "scene_model.h"

#include <limits>

#include "gdi_blits.h"
#include "overloaded.h"

const char* SceneStepName(const SceneStep& step) {
    static const char* const kNames[] = {"set", "patblt", "bitblt", "maskblt"};
    return kNames[step.index()];
}

SceneModel::SceneModel(const Scene& scene) {
    for (const SceneBitmap& bitmap : scene.bitmaps) {
        m_dcs.push_back({bitmap.surface, DcState{}});
        m_paletteIndices.push_back(bitmap.paletteIndices);
    }
}

const MemoryDc* SceneModel::Dc(const std::optional<std::size_t>& index) const {
    return index ? &m_dcs[*index] : nullptr;
}

bool SceneModel::Set(const SetStep& step) {
    DcState& dc = m_dcs[step.dc].state;
    std::optional<Brush> brush;
    if (step.brush) {
        const SceneBrush& b = *step.brush;
        switch (b.kind) {
            case SceneBrush::Kind::Null:
                brush = MakeNullBrush();
                break;
            case SceneBrush::Kind::Solid:
                brush = MakeSolidBrush(b.color);
                break;
            case SceneBrush::Kind::Hatch:
                if (b.hatchStyle >= std::numeric_limits<int>::min() &&
                    b.hatchStyle <= std::numeric_limits<int>::max())
                    brush = MakeHatchBrush(static_cast<int>(b.hatchStyle), b.color);
                if (!brush) return false;
                break;
            case SceneBrush::Kind::Pattern:
                brush = MakePatternBrush(m_dcs[b.bitmap].bitmap);
                break;
            case SceneBrush::Kind::DibPattern:
                brush = MakeDibPatternBrush(m_dcs[b.bitmap].bitmap, b.paletteColors
                                                                        ? m_paletteIndices[b.bitmap]
                                                                        : std::nullopt);
                break;
        }
    }
    if (step.text) dc.text = *step.text;
    if (step.background) dc.background = *step.background;
    if (step.bkMode) dc.bkMode = *step.bkMode;
    if (brush) dc.brush = std::move(*brush);
    if (step.brushOrigin) dc.brushOrigin = *step.brushOrigin;
    if (step.palette) dc.palette = step.palette->stock ? DefaultPalette() : step.palette->colors;
    return true;
}

bool SceneModel::Run(const SceneStep& step) {
    return std::visit(
        Overloaded{
            [&](const SetStep& s) { return Set(s); },
            [&](const PatBltStep& s) {
                return PatBlt(m_dcs[s.at.target], s.at.x, s.at.y, s.at.w, s.at.h, s.rop);
            },
            [&](const BitBltStep& s) {
                return BitBlt(m_dcs[s.at.target], s.at.x, s.at.y, s.at.w, s.at.h, Dc(s.source),
                              s.sx, s.sy, s.rop);
            },
            [&](const MaskBltStep& s) {
                return MaskBlt(m_dcs[s.at.target], s.at.x, s.at.y, s.at.w, s.at.h, Dc(s.source),
                               s.sx, s.sy, Dc(s.mask), s.mx, s.my, s.rop4);
            },
        },
        step);
}

SceneOutcome PlaySceneOnModel(const Scene& scene) {
    SceneModel model(scene);
    SceneOutcome outcome;
    for (const SceneStep& step : scene.steps) outcome.returns.push_back(model.Run(step));
    outcome.target = model.Bitmap(scene.target);
    return outcome;
}
