#include "gdi_comparison.h"

#include <cstdio>

#include "gdi_scene_player.h"
#include "scene_model.h"
#include "scene_reader.h"

namespace {

std::string FirstByteDifference(const std::vector<std::uint8_t>& gdi, const Surface& model) {
    for (std::size_t i = 0; i < gdi.size() && i < model.bytes.size(); ++i) {
        if (gdi[i] == model.bytes[i]) continue;
        char text[120];
        std::snprintf(text, sizeof text,
                      "byte %zu (memory row %zu, byte %zu): GDI 0x%02X, model 0x%02X", i,
                      i / model.stride, i % model.stride, gdi[i], model.bytes[i]);
        return text;
    }
    return gdi.size() == model.bytes.size() ? "" : "the sizes differ";
}

}  // namespace

std::string DifferenceOnGdi(const SweepScene& sweep) {
    const SceneReading reading = ReadScene(sweep.json);
    if (!reading.scene) return "the scene does not read: " + reading.fault;
    const SceneOutcome model = PlaySceneOnModel(*reading.scene);
    const GdiSceneOutcome gdi = PlaySceneOnGdi(*reading.scene);
    if (!gdi.ready) return "GDI could not make the bitmaps";
    for (std::size_t i = 0; i < model.returns.size(); ++i)
        if (gdi.returns[i] != model.returns[i])
            return "steps[" + std::to_string(i) + "] returned " +
                   (gdi.returns[i] ? "TRUE" : "FALSE") + " on GDI, " +
                   (model.returns[i] ? "TRUE" : "FALSE") + " on the model";
    return FirstByteDifference(gdi.target, model.target);
}
