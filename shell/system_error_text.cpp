#include "system_error_text.h"

namespace {

// A buffer the system allocated for us.
class LocalMemory {
public:
    LocalMemory() = default;
    ~LocalMemory() {
        if (m_pText) ::LocalFree(m_pText);
    }
    LocalMemory(const LocalMemory&) = delete;
    LocalMemory& operator=(const LocalMemory&) = delete;

    LPSTR* Receive() { return &m_pText; }
    LPCSTR Get() const { return m_pText; }

private:
    LPSTR m_pText = nullptr;
};

}  // namespace

DWORD GetSystemErrorText(DWORD dwCode, CString& out) {
    // Without FORMAT_MESSAGE_IGNORE_INSERTS a text with "%1" would read arguments that are not
    // there.
    constexpr DWORD kFlags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    LocalMemory text;
    const DWORD length =
        ::FormatMessageA(kFlags, nullptr, dwCode, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                         reinterpret_cast<LPSTR>(text.Receive()), 0, nullptr);
    if (length == 0 || !text.Get()) return 0;
    DWORD kept = length;
    if (length >= 2 && text.Get()[length - 2] == '\r') kept = length - 2;
    out = CString(text.Get(), static_cast<int>(kept));
    return length;
}
