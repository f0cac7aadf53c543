#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct VelmarRopRun {
    int status = 0;  // 0 success, 1 bad operation (or output that could not be written), 2 bad
                     // command line
    std::string out;
    std::string err;
};

// The whole program but its file handles: args excludes the program name.
VelmarRopRun RunVelmarRop(const std::vector<std::string>& args);

// Where the output goes, a piece at a time: false when the piece could not be written.
using VelmarRopWrite = std::function<bool(std::string_view)>;

// The same, writing its output through write as it is made rather than into out, which stays
// empty: test vectors can run to gigabytes. A report is still made whole before any of it is
// written, and vectors are only written once their command and operation have been read, so a
// fault never leaves half an output. A failed write ends the run with status 1.
VelmarRopRun RunVelmarRop(const std::vector<std::string>& args, const VelmarRopWrite& write);
