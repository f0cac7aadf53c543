#include <windows.h>

#include <errno.h>
#include <pthread.h>
#include <stdint.h>
#include <stdlib.h>

// The C++ runtime calls a few POSIX thread functions by itself: the locks of exception
// allocation and of static local initialization, and the keys behind the compiler's emulated
// thread-local variables (each thread's exception stack, `thread_local`, the destructors of
// thread_local objects). Defined here on Win32, they keep winpthreads out of the program, and
// with it 25 KB of thread creation, cancellation and timed waits that nothing here uses.
//
// Linked into programs only (the tests keep winpthreads, which GoogleTest needs). Should the
// program come to need more of it (std::thread, a timed wait, std::chrono's clocks), the link
// fails with "multiple definition of pthread_...": add what is missing here, or take this file
// out of framework_main.
//
// The types are winpthreads' own, and <pthread.h> checks every signature: a mutex or condition
// variable is a pointer-sized word that holds a static initializer (-1, -2 or -3) until its first
// use, and the address of the Win32 object made for it after that.

// mingw-w64's runtime calls the destructors registered here as a thread ends, and as the process
// does: GCC's win32 thread model relies on it, as winpthreads' keys did on their own.
extern "C" int ___w64_mingwthr_add_key_dtor(DWORD key, void (*dtor)(void*));
extern "C" int ___w64_mingwthr_remove_key_dtor(DWORD key);

namespace {

bool IsStaticInitializer(intptr_t word) { return word < 0 && word >= -3; }

// A critical section is recursive, so it serves every kind of static initializer.
void Make(CRITICAL_SECTION* section) { InitializeCriticalSection(section); }
void Unmake(CRITICAL_SECTION* section) { DeleteCriticalSection(section); }
void Make(CONDITION_VARIABLE* condition) { InitializeConditionVariable(condition); }
void Unmake(CONDITION_VARIABLE*) {}

// The object behind `*word`, made on its first use. Two threads may both make one: the one that
// loses the exchange frees its own and takes the other's.
template <typename Object>
Object* ObjectOf(intptr_t* word) {
    intptr_t value = __atomic_load_n(word, __ATOMIC_ACQUIRE);
    if (!IsStaticInitializer(value)) return reinterpret_cast<Object*>(value);
    auto* made = static_cast<Object*>(malloc(sizeof(Object)));
    if (made == nullptr) return nullptr;
    Make(made);
    if (__atomic_compare_exchange_n(word, &value, reinterpret_cast<intptr_t>(made), false,
                                    __ATOMIC_ACQ_REL, __ATOMIC_ACQUIRE))
        return made;
    Unmake(made);
    free(made);
    return reinterpret_cast<Object*>(value);
}

template <typename Object>
void Release(intptr_t* word) {
    const intptr_t value = *word;
    *word = -1;  // the default static initializer of both types
    if (IsStaticInitializer(value)) return;
    Unmake(reinterpret_cast<Object*>(value));
    free(reinterpret_cast<void*>(value));
}

CRITICAL_SECTION* SectionOf(pthread_mutex_t* mutex) { return ObjectOf<CRITICAL_SECTION>(mutex); }
CONDITION_VARIABLE* ConditionOf(pthread_cond_t* cond) { return ObjectOf<CONDITION_VARIABLE>(cond); }

// Where a mutex is held, its object exists.
CRITICAL_SECTION* HeldSection(pthread_mutex_t* mutex) {
    const intptr_t value = *mutex;
    return IsStaticInitializer(value) ? nullptr : reinterpret_cast<CRITICAL_SECTION*>(value);
}

enum OnceState : pthread_once_t { kNotRun, kRunning, kDone };

}  // namespace

extern "C" {

int pthread_mutex_init(pthread_mutex_t* mutex, const pthread_mutexattr_t*) {
    *mutex = PTHREAD_MUTEX_INITIALIZER;
    return SectionOf(mutex) ? 0 : ENOMEM;
}

int pthread_mutex_destroy(pthread_mutex_t* mutex) {
    Release<CRITICAL_SECTION>(mutex);
    return 0;
}

int pthread_mutex_lock(pthread_mutex_t* mutex) {
    CRITICAL_SECTION* section = SectionOf(mutex);
    if (!section) return ENOMEM;
    EnterCriticalSection(section);
    return 0;
}

int pthread_mutex_trylock(pthread_mutex_t* mutex) {
    CRITICAL_SECTION* section = SectionOf(mutex);
    if (!section) return ENOMEM;
    return TryEnterCriticalSection(section) ? 0 : EBUSY;
}

int pthread_mutex_unlock(pthread_mutex_t* mutex) {
    CRITICAL_SECTION* section = HeldSection(mutex);
    if (!section) return EPERM;
    LeaveCriticalSection(section);
    return 0;
}

int pthread_cond_init(pthread_cond_t* cond, const pthread_condattr_t*) {
    *cond = PTHREAD_COND_INITIALIZER;
    return ConditionOf(cond) ? 0 : ENOMEM;
}

int pthread_cond_destroy(pthread_cond_t* cond) {
    Release<CONDITION_VARIABLE>(cond);
    return 0;
}

int pthread_cond_wait(pthread_cond_t* cond, pthread_mutex_t* mutex) {
    CONDITION_VARIABLE* condition = ConditionOf(cond);
    CRITICAL_SECTION* section = HeldSection(mutex);
    if (!condition || !section) return condition ? EPERM : ENOMEM;
    // Callers test their predicate again after a wake-up, as POSIX asks of them.
    SleepConditionVariableCS(condition, section, INFINITE);
    return 0;
}

int pthread_cond_signal(pthread_cond_t* cond) {
    CONDITION_VARIABLE* condition = ConditionOf(cond);
    if (!condition) return ENOMEM;
    WakeConditionVariable(condition);
    return 0;
}

int pthread_cond_broadcast(pthread_cond_t* cond) {
    CONDITION_VARIABLE* condition = ConditionOf(cond);
    if (!condition) return ENOMEM;
    WakeAllConditionVariable(condition);
    return 0;
}

// A thread that finds the routine running on another sleeps until it is done: the routines here
// are a few instructions long, and Sleep(1), unlike a spin, lets a thread of lower priority that
// runs the routine finish.
int pthread_once(pthread_once_t* once, void (*routine)(void)) {
    if (__atomic_load_n(once, __ATOMIC_ACQUIRE) == kDone) return 0;
    pthread_once_t state = kNotRun;
    if (__atomic_compare_exchange_n(once, &state, kRunning, false, __ATOMIC_ACQ_REL,
                                    __ATOMIC_ACQUIRE)) {
        routine();
        __atomic_store_n(once, kDone, __ATOMIC_RELEASE);
        return 0;
    }
    while (__atomic_load_n(once, __ATOMIC_ACQUIRE) != kDone) Sleep(1);
    return 0;
}

int pthread_key_create(pthread_key_t* key, void (*destructor)(void*)) {
    const DWORD index = TlsAlloc();
    if (index == TLS_OUT_OF_INDEXES) return EAGAIN;
    if (destructor && ___w64_mingwthr_add_key_dtor(index, destructor) != 0) {
        TlsFree(index);
        return ENOMEM;
    }
    *key = index;
    return 0;
}

int pthread_key_delete(pthread_key_t key) {
    ___w64_mingwthr_remove_key_dtor(key);
    return TlsFree(key) ? 0 : EINVAL;
}

// TlsGetValue clears the thread's last error, and the runtime reads a thread-local value (the
// exception stack on a throw, say) between a failed Win32 call and the GetLastError that reports
// it: the error is kept, as winpthreads keeps it.
void* pthread_getspecific(pthread_key_t key) {
    const DWORD error = GetLastError();
    void* value = TlsGetValue(key);
    SetLastError(error);
    return value;
}

int pthread_setspecific(pthread_key_t key, const void* value) {
    return TlsSetValue(key, const_cast<void*>(value)) ? 0 : EINVAL;
}

}  // extern "C"
