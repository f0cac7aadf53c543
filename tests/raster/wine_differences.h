#pragma once

#include <string>
#include <vector>

// The rules the model follows where Wine's GDI does otherwise, each with a scene and what the
// rule makes of it. Natively the model must give exactly that; under Wine, Wine must still give
// something else, so the day Wine changes, the table is looked at again.
struct WineDifference {
    std::string rule;
    std::string scene;
    std::vector<bool> returns;
    std::string bytes;  // the target's, in hexadecimal
};

const std::vector<WineDifference>& WineDifferences();
