#include <windows.h>

#include <atomic>
#include <cstdio>
#include <exception>
#include <stdexcept>

// What the C++ runtime does with its thread primitives, on eight threads at once. Should
// winpthreads' own definitions come in as well, this program would not link.
namespace {

constexpr int kThreads = 8;
std::atomic<int> g_attempts{0};
std::atomic<int> g_destroyed{0};
HANDLE g_go;
int g_seen[kThreads], g_read[kThreads], g_rethrown[kThreads];
DWORD g_errors[kThreads];

// Slow to make, and the first attempt fails: the other threads wait for it, then one makes it.
struct SlowStatic {
    int value = 0;
    SlowStatic() {
        const int attempt = ++g_attempts;
        ::Sleep(50);
        if (attempt == 1) throw std::runtime_error("first attempt");
        value = 42;
    }
};

struct Counted {
    ~Counted() { ++g_destroyed; }
    int touched = 0;
};
thread_local Counted t_counted;
thread_local int t_value = -1;

// Out of line, so each read asks the runtime for this thread's variable anew.
[[gnu::noinline]] int ReadThreadValue() { return t_value; }

DWORD WINAPI Run(void* parameter) {
    const int i = static_cast<int>(reinterpret_cast<INT_PTR>(parameter));
    ::WaitForSingleObject(g_go, INFINITE);
    t_counted.touched = 1;
    t_value = i;
    for (bool made = false; !made;) {
        try {
            static SlowStatic slow;
            g_seen[i] = slow.value;
            made = true;
        } catch (const std::runtime_error&) {
        }
    }
    try {
        try {
            throw i;
        } catch (...) {
            throw;
        }
    } catch (int thrown) {
        g_rethrown[i] = std::uncaught_exceptions() == 0 ? thrown : -1;
    }
    ::SetLastError(1000 + i);
    g_read[i] = ReadThreadValue();
    g_errors[i] = ::GetLastError();
    return 0;
}

}  // namespace

int main() {
    t_value = 100;
    g_go = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE threads[kThreads];
    for (INT_PTR i = 0; i < kThreads; ++i)
        threads[i] = ::CreateThread(nullptr, 0, Run, reinterpret_cast<void*>(i), 0, nullptr);
    ::SetEvent(g_go);
    ::WaitForMultipleObjects(kThreads, threads, TRUE, INFINITE);

    bool seen = true, own = ReadThreadValue() == 100, errorsKept = true, rethrown = true;
    for (int i = 0; i < kThreads; ++i) {
        seen = seen && g_seen[i] == 42;
        own = own && g_read[i] == i;
        errorsKept = errorsKept && g_errors[i] == DWORD(1000 + i);
        rethrown = rethrown && g_rethrown[i] == i;
    }
    const struct {
        bool holds;
        const char* what;
    } checks[] = {
        {g_attempts == 2, "a static local is made by one thread at a time, after a failed attempt"},
        {seen, "every thread sees the static local made"},
        {own, "each thread has its own thread_local"},
        {errorsKept, "reading a thread_local keeps the thread's last error"},
        {rethrown, "each thread rethrows its own exception"},
        {g_destroyed == kThreads, "a thread's thread_local objects are destroyed as it ends"},
    };
    int failures = 0;
    for (const auto& check : checks) {
        if (check.holds) continue;
        std::printf("FAILED: %s\n", check.what);
        ++failures;
    }
    std::printf(failures ? "%d failed\n" : "all passed\n", failures);
    return failures ? 1 : 0;
}
