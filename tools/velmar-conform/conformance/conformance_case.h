#pragma once

#include <string>

// One case of a conformance run: a scene file's text (docs/scenes.md) and the name it goes by in
// reports and recordings. Names are made of letters, digits and . , = _ + - alone, so that each
// is a file name everywhere (name.json, name.bin) and a word of a report line.
struct ConformanceCase {
    std::string name;
    std::string scene;
};

bool IsCaseName(const std::string& name);
