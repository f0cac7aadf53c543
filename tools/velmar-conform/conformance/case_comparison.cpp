#include "case_comparison.h"

#include "surface_pixels.h"

namespace {

void CompareReturns(const Scene& scene, const SceneOutcome& model, const ObservedOutcome& observed,
                    CaseComparison& comparison) {
    for (std::size_t i = 0; i < model.returns.size() && i < observed.steps.size(); ++i) {
        if (observed.steps[i].value == model.returns[i]) continue;
        comparison.returns.push_back(
            {i, SceneStepName(scene.steps[i]), model.returns[i], observed.steps[i]});
    }
}

void ComparePixels(const Surface& expected, const Surface& got, const CaseOperands& operands,
                   CaseComparison& comparison) {
    comparison.pixels = static_cast<std::size_t>(expected.width) * expected.height;
    std::vector<std::uint32_t> want(static_cast<std::size_t>(expected.width));
    std::vector<std::uint32_t> have(want.size());
    for (int y = 0; y < expected.height; ++y) {
        ReadPixels(expected, 0, y, expected.width, want.data());
        ReadPixels(got, 0, y, got.width, have.data());
        for (int x = 0; x < expected.width; ++x) {
            if (want[x] == have[x]) continue;
            if (++comparison.differingPixels <= CaseComparison::kPixelsShown)
                comparison.firstPixels.push_back({x, y, want[x], have[x], operands.At(x, y)});
        }
    }
}

}  // namespace

Surface ObservedSurface(const Surface& model, const std::vector<std::uint8_t>& bytes) {
    Surface surface = model;
    surface.bytes = bytes;
    return surface;
}

CaseComparison CompareWithModel(const Scene& scene, const SceneOutcome& model,
                                const ObservedOutcome& observed, const CaseOperands& operands) {
    CaseComparison comparison;
    CompareReturns(scene, model, observed, comparison);
    const Surface got = ObservedSurface(model.target, observed.bytes);
    ComparePixels(model.target, got, operands, comparison);
    if (comparison.differingPixels == 0 && model.target.bytes != observed.bytes) {
        std::size_t i = 0;
        while (model.target.bytes[i] == observed.bytes[i]) ++i;
        comparison.paddingByte = i;
    }
    return comparison;
}
