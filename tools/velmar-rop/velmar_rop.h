#pragma once

#include <string>
#include <vector>

struct VelmarRopRun {
    int status = 0;  // 0 success, 1 bad operation, 2 bad command line
    std::string out;
    std::string err;
};

// The whole program but its file handles: args excludes the program name.
VelmarRopRun RunVelmarRop(const std::vector<std::string>& args);
