#pragma once

#include <string>

#include "sweep_scenes.h"

// A scene played on the model and on the platform's GDI: empty when both returned the same for
// every step and left the same bytes, else what first differed.
std::string DifferenceOnGdi(const SweepScene& scene);
