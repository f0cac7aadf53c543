#include "case_check.h"

#include "scene_reader.h"

namespace {

CaseParameters ParametersOf(const Scene& scene) {
    const Surface& target = scene.bitmaps[scene.target].surface;
    CaseParameters parameters;
    parameters.target = target.IsMonochromeBitmap() ? "mono" : "dib";
    parameters.bitsPerPixel = target.format.bitsPerPixel;
    parameters.width = target.width;
    parameters.height =
        target.topDown && !target.IsMonochromeBitmap() ? -target.height : target.height;
    parameters.steps = scene.steps.size();
    return parameters;
}

// Empty when the outcome has a result for every step and the target's bytes; else what it lacks.
std::string MismatchedShape(const Scene& scene, const Surface& target,
                            const ObservedOutcome& outcome) {
    if (outcome.steps.size() != scene.steps.size())
        return std::to_string(outcome.steps.size()) + " results for " +
               std::to_string(scene.steps.size()) + " steps";
    if (outcome.bytes.size() != target.bytes.size())
        return "the target holds " + std::to_string(outcome.bytes.size()) + " bytes, the scene's " +
               std::to_string(target.bytes.size());
    return {};
}

}  // namespace

CaseResult CheckCase(const ConformanceCase& conformanceCase, const ObserveCase& observe) {
    CaseResult result;
    result.name = conformanceCase.name;
    const SceneReading reading = ReadScene(conformanceCase.scene);
    if (!reading.scene) {
        result.fault = "the scene does not read: " + reading.fault;
        return result;
    }
    const Scene& scene = *reading.scene;
    result.parameters = ParametersOf(scene);
    Observation observation = observe(scene);
    result.notes = std::move(observation.notes);
    if (!observation.outcome) {
        result.fault = observation.fault;
        return result;
    }
    const SceneOutcome model = PlaySceneOnModel(scene);
    result.fault = MismatchedShape(scene, model.target, *observation.outcome);
    if (!result.fault.empty()) return result;
    result.comparison = CompareWithModel(scene, model, *observation.outcome,
                                         CaseOperands::FromScene(conformanceCase.scene));
    result.steps = std::move(observation.outcome->steps);
    result.got = ObservedSurface(model.target, observation.outcome->bytes);
    result.expected = model.target;
    return result;
}
