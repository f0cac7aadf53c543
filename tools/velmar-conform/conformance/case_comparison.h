#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "case_operands.h"
#include "observed_outcome.h"
#include "scene.h"
#include "scene_model.h"

// A pixel whose stored value the GDI left otherwise than the model.
struct PixelDifference {
    int x = 0, y = 0;
    std::uint32_t expected = 0, got = 0;
    PixelOperands operands;
};

// A call that returned otherwise than the model says.
struct ReturnDifference {
    std::size_t step = 0;
    std::string call;  // "maskblt"
    bool expected = false;
    StepResult got;
};

struct CaseComparison {
    static constexpr std::size_t kPixelsShown = 8;
    std::size_t pixels = 0;
    std::size_t differingPixels = 0;
    std::vector<PixelDifference> firstPixels;  // the first kPixelsShown, row by row
    std::vector<ReturnDifference> returns;
    // Where every pixel agrees but a byte between rows does not: its offset.
    std::optional<std::size_t> paddingByte;

    bool Same() const { return differingPixels == 0 && returns.empty() && !paddingByte; }
};

// The observed outcome against the model's, pixel by pixel (all the bits a pixel stores) and
// call by call. The observed bytes must be as many as the model's.
CaseComparison CompareWithModel(const Scene& scene, const SceneOutcome& model,
                                const ObservedOutcome& observed, const CaseOperands& operands);

// The observed bytes as a surface of the target's format.
Surface ObservedSurface(const Surface& model, const std::vector<std::uint8_t>& bytes);
