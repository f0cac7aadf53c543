#include "program_path.h"

bool GetProgramPath(wchar_t (&path)[MAX_PATH]) {
    // MAX_PATH - 1, not MAX_PATH: a path the system cuts at that length comes back without its
    // terminating zero on some systems, and a length equal to the size is how a cut shows.
    constexpr DWORD kSize = MAX_PATH - 1;
    const DWORD length = ::GetModuleFileNameW(nullptr, path, kSize);
    if (length == 0 || length >= kSize) {
        path[0] = L'\0';
        return false;
    }
    path[length] = L'\0';
    return true;
}
