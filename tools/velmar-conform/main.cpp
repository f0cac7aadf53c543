#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "velmar_conform.h"

namespace {

bool WriteAll(std::FILE* file, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Binary mode: "\n" and not "\r\n", so a report compares equal with velmar-rop --compare's.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    VelmarConformRun run;
    try {
        run = RunVelmarConform(std::vector<std::string>(argv + 1, argv + argc),
                               [](std::string_view piece) { return WriteAll(stdout, piece); });
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velmar-conform: %s\n", e.what());
        return 2;
    }
    WriteAll(stderr, run.err);
    return run.status;
}
