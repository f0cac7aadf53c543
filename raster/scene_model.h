#pragma once

#include <cstddef>
#include <vector>

#include "memory_dc.h"
#include "scene.h"

// A scene played on the model: every bitmap in a memory DC of its own, the steps run one by one.
class SceneModel {
public:
    explicit SceneModel(const Scene& scene);

    // What GDI would return; a set that GDI refuses changes nothing.
    bool Run(const SceneStep& step);
    const Surface& Bitmap(std::size_t index) const { return m_dcs[index].bitmap; }

private:
    bool Set(const SetStep& step);
    const MemoryDc* Dc(const std::optional<std::size_t>& index) const;

    std::vector<MemoryDc> m_dcs;
    std::vector<std::optional<std::vector<std::uint16_t>>> m_paletteIndices;  // DIB_PAL_COLORS
};

struct SceneOutcome {
    std::vector<bool> returns;  // one a step
    Surface target;
};

SceneOutcome PlaySceneOnModel(const Scene& scene);
