#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "velmar_rop.h"

namespace {

bool WriteAll(std::FILE* file, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Binary mode: the same bytes as on Linux, "\n" and not "\r\n", so outputs compare equal.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    VelmarRopRun run;
    try {
        run = RunVelmarRop(std::vector<std::string>(argv + 1, argv + argc),
                           [](std::string_view piece) { return WriteAll(stdout, piece); });
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velmar-rop: %s\n", e.what());
        return 1;
    }
    WriteAll(stderr, run.err);
    return run.status;
}
