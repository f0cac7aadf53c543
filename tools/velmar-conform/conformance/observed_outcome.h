#pragma once

#include <cstdint>
#include <vector>

// What one call of a case returned on the GDI that played it, with GetLastError after it (the
// error was cleared first, so 0 is "nothing set").
struct StepResult {
    bool value = false;
    std::uint32_t lastError = 0;
};

// What a GDI made of a case: every step's result and the target's bytes as they lie in memory.
struct ObservedOutcome {
    std::vector<StepResult> steps;
    std::vector<std::uint8_t> bytes;
};
