#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "case_comparison.h"
#include "conformance_case.h"

// What the GDI under test made of a case, played there or read back from a recording.
struct Observation {
    std::optional<ObservedOutcome> outcome;
    std::string fault;               // why there is no outcome
    std::vector<std::string> notes;  // what else is wrong (a recorded file that changed)
};
using ObserveCase = std::function<Observation(const Scene& scene)>;

// What a report says of a case besides its comparison.
struct CaseParameters {
    std::string target;  // "dib" or "mono"
    int bitsPerPixel = 0;
    int width = 0;
    int height = 0;  // negative for a top-down DIB, as the scene gives it
    std::size_t steps = 0;
};

struct CaseResult {
    std::string name;
    std::string fault;  // the case could not be compared: its scene or its outcome is missing
    std::vector<std::string> notes;  // each fails the case
    CaseParameters parameters;
    CaseComparison comparison;
    std::vector<StepResult> steps;  // as observed
    Surface expected;               // the model's target
    Surface got;                    // the observed target, of the same format

    bool Passed() const { return fault.empty() && notes.empty() && comparison.Same(); }
};

// Reads the case's scene, plays it on the model, asks `observe` for the GDI's outcome and
// compares the two.
CaseResult CheckCase(const ConformanceCase& conformanceCase, const ObserveCase& observe);
