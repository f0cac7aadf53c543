#include "program_path.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

// The longest path the system knows, "\\?\" form included.
constexpr DWORD kLongestPath = 32768;

}  // namespace

CStringW GetProgramPath() {
    try {
        // A path that does not fit comes back cut to the buffer, with its length equal to the
        // buffer's size: then the buffer grows, its last size the longest path there is.
        for (DWORD size = MAX_PATH;; size = std::min(size * 2, kLongestPath)) {
            std::vector<wchar_t> path(size, L'\0');
            const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), size);
            if (length == 0) return CStringW();
            if (length < size) {
                path[length] = L'\0';
                return CStringW(path.data());
            }
            if (size == kLongestPath) break;
        }
    } catch (const std::bad_alloc&) {
    }
    return CStringW();
}
