#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "gdi_scene_bitmap.h"
#include "observed_outcome.h"
#include "scene.h"

// A scene played on the platform's own GDI, step by step, as the model plays it (raster/
// scene_model.h): the same bitmaps, calls and return values, so the two can be compared byte for
// byte.
class GdiScenePlayer {
public:
    explicit GdiScenePlayer(const Scene& scene);

    // False when GDI could not make one of the bitmaps (then nothing can be played).
    bool Ready() const { return m_ready; }
    // What GDI returned; a set whose brush GDI refuses changes nothing.
    bool Run(const SceneStep& step);
    std::vector<std::uint8_t> Bytes(std::size_t bitmap) const { return m_bitmaps[bitmap]->Bytes(); }

private:
    bool Set(const SetStep& step);
    CGdiObject MakeBrush(const SceneBrush& brush);
    CDC* Dc(const std::optional<std::size_t>& bitmap);

    std::vector<std::unique_ptr<GdiSceneBitmap>> m_bitmaps;
    bool m_ready = true;
};

// Nothing when GDI could not make the bitmaps; each step's GetLastError is read with the error
// cleared before the call.
std::optional<ObservedOutcome> PlaySceneOnGdi(const Scene& scene);
