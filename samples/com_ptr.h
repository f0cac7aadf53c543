#pragma once

#include <unknwn.h>

#include <utility>

// A COM interface pointer that releases itself.
template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (m_p) m_p->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}

    Interface* operator->() const { return m_p; }
    Interface* Get() const { return m_p; }
    // For a call that hands over a new reference; whatever was held is released first.
    Interface** Receive() {
        if (m_p) m_p->Release();
        m_p = nullptr;
        return &m_p;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }

private:
    Interface* m_p = nullptr;
};
