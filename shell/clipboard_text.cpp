#include "clipboard_text.h"

#include <cstring>

namespace {

// The clipboard is the system's, one program at a time: open only for as long as this lives.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) : m_open(::OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardScope() {
        if (m_open) ::CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool IsOpen() const { return m_open; }

private:
    bool m_open;
};

// Memory the clipboard takes over once it has been handed to it; freed here otherwise.
class ClipboardMemory {
public:
    explicit ClipboardMemory(const std::string& text)
        : m_memory(::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (void* bytes = m_memory ? ::GlobalLock(m_memory) : nullptr) {
            std::memcpy(bytes, text.c_str(), text.size() + 1);
            ::GlobalUnlock(m_memory);
        }
    }
    ~ClipboardMemory() {
        if (m_memory) ::GlobalFree(m_memory);
    }
    ClipboardMemory(const ClipboardMemory&) = delete;
    ClipboardMemory& operator=(const ClipboardMemory&) = delete;

    HGLOBAL Get() const { return m_memory; }
    void HandedOver() { m_memory = nullptr; }

private:
    HGLOBAL m_memory;
};

}  // namespace

bool CopyTextToClipboard(CWnd* pOwner, const std::string& text) {
    ClipboardMemory memory(text);
    if (!memory.Get()) return false;
    const OpenClipboardScope clipboard(pOwner ? pOwner->m_hWnd : nullptr);
    if (!clipboard.IsOpen() || !::EmptyClipboard()) return false;
    if (!::SetClipboardData(CF_TEXT, memory.Get())) return false;
    memory.HandedOver();
    return true;
}
