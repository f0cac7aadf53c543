#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct VelmarConformRun {
    int status = 0;   // 0 every case as the model, 1 any differs, 2 bad command line or files
    std::string err;  // what went wrong, for standard error
};

// Where the report goes, a piece at a time: false when it could not be written.
using VelmarConformWrite = std::function<bool(std::string_view)>;

// The whole program but its file handles: args excludes the program name.
VelmarConformRun RunVelmarConform(const std::vector<std::string>& args,
                                  const VelmarConformWrite& write);
