#include "worker_thread.h"

#include <process.h>

#include <new>

namespace {

struct Launch {
    CWorkerThread::Work work;
    void* argument;
};

unsigned __stdcall RunLaunched(void* launched) {
    const Launch launch = *static_cast<Launch*>(launched);
    delete static_cast<Launch*>(launched);
    launch.work(launch.argument);
    return 0;
}

}  // namespace

BOOL CWorkerThread::Start(Work work, void* argument) {
    Join();
    auto* launch = new (std::nothrow) Launch{work, argument};
    if (!launch) return FALSE;
    const uintptr_t thread = ::_beginthreadex(nullptr, 0, &RunLaunched, launch, 0, nullptr);
    if (!thread) {
        delete launch;
        return FALSE;
    }
    m_thread = reinterpret_cast<HANDLE>(thread);
    return TRUE;
}

void CWorkerThread::Join() {
    if (!m_thread) return;
    ::WaitForSingleObject(m_thread, INFINITE);
    ::CloseHandle(m_thread);
    m_thread = nullptr;
}
