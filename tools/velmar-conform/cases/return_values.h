#pragma once

#include <string>
#include <vector>

// One scene of calls that GDI refuses and calls it takes, with what each returns.
struct ReturnValueScene {
    std::string scene;
    std::vector<bool> returns;
};

const ReturnValueScene& ReturnValues();
