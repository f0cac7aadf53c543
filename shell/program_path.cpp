#include "program_path.h"

#include <algorithm>
#include <new>
#include <vector>

#include "file_handle.h"

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

CStringW GetFinalProgramPath() {
    const CStringW path = GetProgramPath();
    // No access asked for: opening to name the file needs none, whatever the folder allows.
    const FileHandle file(
        ::CreateFileW(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file) return path;
    try {
        std::vector<wchar_t> final(kLongestPath, L'\0');
        const DWORD length =
            ::GetFinalPathNameByHandleW(file.Get(), final.data(), kLongestPath, VOLUME_NAME_DOS);
        if (length > 0 && length < kLongestPath) return CStringW(final.data());
    } catch (const std::bad_alloc&) {
    }
    return path;
}

CStringW WithoutLongPathPrefix(LPCWSTR path) {
    constexpr wchar_t kPrefix[] = L"\\\\?\\";
    constexpr wchar_t kNetworkPrefix[] = L"\\\\?\\UNC\\";
    const auto startsWith = [&](LPCWSTR start, int length) {
        return ::CompareStringOrdinal(path, std::min(::lstrlenW(path), length), start, length,
                                      TRUE) == CSTR_EQUAL;
    };
    if (startsWith(kNetworkPrefix, 8)) return CStringW(L"\\") += CStringW(path + 7);
    if (startsWith(kPrefix, 4)) return CStringW(path + 4);
    return CStringW(path);
}
