#pragma once

#include <string>
#include <vector>

#include "conformance_case.h"

struct SceneDirectory {
    std::vector<ConformanceCase> cases;  // in the order of their names
    std::string fault;                   // set when there are none
};

// Every DIR/*.json as a case named by its file (name.json is "name"; a character a case name
// cannot hold becomes _).
SceneDirectory ReadSceneDirectory(const std::string& directory);
