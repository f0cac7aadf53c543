#pragma once

#include <windows.h>

#include <cstddef>

// A global block locked for as long as this lives; Bytes() is null when it could not be.
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL memory)
        : m_memory(memory), m_bytes(memory ? static_cast<BYTE*>(::GlobalLock(memory)) : nullptr) {}
    ~LockedGlobal() {
        if (m_bytes) ::GlobalUnlock(m_memory);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;

    BYTE* Bytes() const { return m_bytes; }
    // What the block holds; the system may round the size it was asked for up.
    std::size_t Size() const { return m_bytes ? ::GlobalSize(m_memory) : 0; }

private:
    HGLOBAL m_memory;
    BYTE* m_bytes;
};
