#include "clipboard_text.h"

#include <cstring>

#include "clipboard_scope.h"

namespace {

// Memory the clipboard takes over once it has been handed to it; freed here otherwise. Memory
// that could not be locked and filled is never handed over.
class ClipboardMemory {
public:
    explicit ClipboardMemory(const std::string& text)
        : m_memory(::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        void* bytes = m_memory ? ::GlobalLock(m_memory) : nullptr;
        if (!bytes) return;
        std::memcpy(bytes, text.c_str(), text.size() + 1);
        ::GlobalUnlock(m_memory);
        m_filled = true;
    }
    ~ClipboardMemory() {
        if (m_memory) ::GlobalFree(m_memory);
    }
    ClipboardMemory(const ClipboardMemory&) = delete;
    ClipboardMemory& operator=(const ClipboardMemory&) = delete;

    bool Filled() const { return m_filled; }
    HGLOBAL Get() const { return m_memory; }
    void HandedOver() { m_memory = nullptr; }

private:
    HGLOBAL m_memory;
    bool m_filled = false;
};

}  // namespace

ClipboardCopy CopyTextToClipboard(CWnd* pOwner, const std::string& text) {
    ClipboardMemory memory(text);
    if (!memory.Filled()) return ClipboardCopy::NoMemory;
    const ClipboardScope clipboard(pOwner ? pOwner->m_hWnd : nullptr);
    if (!clipboard.IsOpen()) return ClipboardCopy::Busy;
    if (!::EmptyClipboard() || !::SetClipboardData(CF_TEXT, memory.Get()))
        return ClipboardCopy::Busy;
    memory.HandedOver();
    return ClipboardCopy::Copied;
}

const char* DescribeClipboardCopy(ClipboardCopy result) {
    switch (result) {
        case ClipboardCopy::Busy:
            return "Another program is using the clipboard: nothing was copied. Try again.";
        case ClipboardCopy::NoMemory:
            return "Out of memory: nothing was copied.";
        case ClipboardCopy::Copied:
            break;
    }
    return "";
}
