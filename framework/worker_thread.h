#pragma once

#include <windows.h>

#include <utility>

// A thread that runs one function and is waited for when its object goes. The C runtime's own
// (_beginthreadex), as the program needs no more: std::thread would bring the C++ library's
// system_error and the strings behind it (30 KB of the program). The function must not throw.
class CWorkerThread {
public:
    using Work = void (*)(void* argument);

    CWorkerThread() = default;
    ~CWorkerThread() { Join(); }
    CWorkerThread(CWorkerThread&& other) noexcept
        : m_thread(std::exchange(other.m_thread, nullptr)) {}
    CWorkerThread& operator=(CWorkerThread&& other) noexcept {
        std::swap(m_thread, other.m_thread);
        return *this;
    }

    // FALSE when the system makes no thread; one running already is waited for first.
    BOOL Start(Work work, void* argument);
    // Waits until the thread has ended; at once when there is none.
    void Join();

private:
    HANDLE m_thread = nullptr;
};
