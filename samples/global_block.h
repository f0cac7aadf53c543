#pragma once

#include <windows.h>

#include <cstddef>

// Movable global memory, as the clipboard takes it: freed here unless handed over.
class GlobalBlock {
public:
    explicit GlobalBlock(std::size_t bytes) : m_memory(::GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
    ~GlobalBlock() {
        if (m_memory) ::GlobalFree(m_memory);
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;

    HGLOBAL Get() const { return m_memory; }
    // The clipboard owns it now.
    void HandedOver() { m_memory = nullptr; }

private:
    HGLOBAL m_memory;
};
