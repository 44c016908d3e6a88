// The POSIX thread calls that the statically linked C++ runtime makes (static-local
// guards, locale and exception-pool locks, the emulated TLS behind exceptions), on Win32
// primitives that the DLL gives back when it is unloaded.
//
// Why not the toolchain's own thread library: it takes a TLS slot, an event and a
// duplicated thread handle for every thread that touches it, and never gives them back
// when the DLL is unloaded. A host that loads and unloads a plug-in about a thousand
// times runs out of TLS slots and dies. Defining these calls here keeps that library out
// of the shipped DLLs altogether (the linker takes a definition from an archive only
// for a name nothing else defines).
//
// The runtime's locks are all recursive here (a plain mutex is never relocked by a
// correct caller, so it cannot tell). A pthread_mutex_t or pthread_cond_t holds a pointer
// to a state from a pool that lives until unload; the runtime's static initialisers
// leave -1, -2 or -3 in it, which means "not made yet".

#if defined(__MINGW32__)

#include <windows.h>

#include <cerrno>
#include <cstdint>

#include "runtime/ModuleRuntime.h"

namespace {

// One lock with its condition variable. [any-thread]; owned by the pool until unload.
struct SyncState {
    SRWLOCK lock;
    CONDITION_VARIABLE condition;
    DWORD owner;     // the thread that holds `lock`, 0 when free
    unsigned depth;  // how often `owner` holds it
    LONG inUse;      // claimed by a pthread_mutex_t or pthread_cond_t
    SyncState* next;
};

// Push-only list of every state made; states are reused after a destroy and freed only
// at unload, so a reader may walk it while others push.
SyncState* g_states = nullptr;

SyncState* ClaimState() noexcept {
    for (SyncState* state = __atomic_load_n(&g_states, __ATOMIC_ACQUIRE); state != nullptr; state = state->next) {
        if (InterlockedCompareExchange(&state->inUse, 1, 0) == 0) return state;
    }
    auto* state = static_cast<SyncState*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(SyncState)));
    if (state == nullptr) return nullptr;
    InitializeSRWLock(&state->lock);
    InitializeConditionVariable(&state->condition);
    state->inUse = 1;
    SyncState* head = __atomic_load_n(&g_states, __ATOMIC_ACQUIRE);
    do {
        state->next = head;
    } while (!__atomic_compare_exchange_n(&g_states, &head, state, false, __ATOMIC_RELEASE, __ATOMIC_ACQUIRE));
    return state;
}

void ReturnState(SyncState* state) noexcept {
    state->owner = 0;
    state->depth = 0;
    __atomic_store_n(&state->inUse, 0, __ATOMIC_RELEASE);
}

// The static initialisers' values, and zero from a zeroed object.
bool NotMadeYet(std::intptr_t value) noexcept { return value == 0 || value == -1 || value == -2 || value == -3; }

// The state behind a pthread_mutex_t or pthread_cond_t, made on first use.
SyncState* StateOf(std::intptr_t* handle) noexcept {
    for (;;) {
        std::intptr_t seen = __atomic_load_n(handle, __ATOMIC_ACQUIRE);
        if (!NotMadeYet(seen)) return reinterpret_cast<SyncState*>(seen);
        SyncState* made = ClaimState();
        if (made == nullptr) return nullptr;
        if (__atomic_compare_exchange_n(handle, &seen, reinterpret_cast<std::intptr_t>(made), false, __ATOMIC_ACQ_REL,
                                        __ATOMIC_ACQUIRE))
            return made;
        ReturnState(made);  // another thread made it first
    }
}

void Lock(SyncState* state) noexcept {
    const DWORD self = GetCurrentThreadId();
    if (__atomic_load_n(&state->owner, __ATOMIC_RELAXED) == self) {
        ++state->depth;
        return;
    }
    AcquireSRWLockExclusive(&state->lock);
    __atomic_store_n(&state->owner, self, __ATOMIC_RELAXED);
    state->depth = 1;
}

bool Unlock(SyncState* state) noexcept {
    if (__atomic_load_n(&state->owner, __ATOMIC_RELAXED) != GetCurrentThreadId()) return false;
    if (--state->depth == 0) {
        __atomic_store_n(&state->owner, 0, __ATOMIC_RELAXED);
        ReleaseSRWLockExclusive(&state->lock);
    }
    return true;
}

// pthread_once runs its functions under one recursive lock (a function may start another
// once), made of a zero-initialised state so that it works before any constructor.
SyncState g_onceState{};

struct OnceLock {
    OnceLock() noexcept { Lock(&g_onceState); }
    ~OnceLock() { Unlock(&g_onceState); }
};

// Per-thread values: a key is a TLS slot whose value, per thread, is that thread's
// ThreadValue, linked into one list so that unload can reach every thread's value.
struct ThreadValue {
    void* value;
    unsigned key;
    ThreadValue* previous;
    ThreadValue* next;
};

constexpr unsigned kMaxKeys = 64;  // the runtime makes one
struct Key {
    DWORD slot;
    void (*destructor)(void*);
};
Key g_keys[kMaxKeys];
LONG g_keyCount = 0;

SRWLOCK g_valuesLock = SRWLOCK_INIT;
ThreadValue* g_values = nullptr;

void Unlink(ThreadValue* entry) noexcept {
    if (entry->previous != nullptr)
        entry->previous->next = entry->next;
    else
        g_values = entry->next;
    if (entry->next != nullptr) entry->next->previous = entry->previous;
}

}  // namespace

extern "C" {

int pthread_mutex_init(std::intptr_t* mutex, const unsigned* /*attributes*/) {
    *mutex = -3;  // recursive; made on first use
    return 0;
}

int pthread_mutex_destroy(std::intptr_t* mutex) {
    const std::intptr_t seen = __atomic_exchange_n(mutex, -1, __ATOMIC_ACQ_REL);
    if (!NotMadeYet(seen)) ReturnState(reinterpret_cast<SyncState*>(seen));
    return 0;
}

int pthread_mutex_lock(std::intptr_t* mutex) {
    SyncState* state = StateOf(mutex);
    if (state == nullptr) return ENOMEM;
    Lock(state);
    return 0;
}

int pthread_mutex_trylock(std::intptr_t* mutex) {
    SyncState* state = StateOf(mutex);
    if (state == nullptr) return ENOMEM;
    const DWORD self = GetCurrentThreadId();
    if (__atomic_load_n(&state->owner, __ATOMIC_RELAXED) == self) {
        ++state->depth;
        return 0;
    }
    if (!TryAcquireSRWLockExclusive(&state->lock)) return EBUSY;
    __atomic_store_n(&state->owner, self, __ATOMIC_RELAXED);
    state->depth = 1;
    return 0;
}

int pthread_mutex_unlock(std::intptr_t* mutex) {
    SyncState* state = StateOf(mutex);
    if (state == nullptr) return EINVAL;
    return Unlock(state) ? 0 : EPERM;
}

int pthread_cond_init(std::intptr_t* condition, const int* /*attributes*/) {
    *condition = -1;
    return 0;
}

int pthread_cond_destroy(std::intptr_t* condition) { return pthread_mutex_destroy(condition); }

int pthread_cond_wait(std::intptr_t* condition, std::intptr_t* mutex) {
    SyncState* waitOn = StateOf(condition);
    SyncState* state = StateOf(mutex);
    if (waitOn == nullptr || state == nullptr) return ENOMEM;
    if (__atomic_load_n(&state->owner, __ATOMIC_RELAXED) != GetCurrentThreadId()) return EPERM;
    // The wait gives up the lock whatever its depth, and takes it back as it was.
    const unsigned depth = state->depth;
    state->depth = 0;
    __atomic_store_n(&state->owner, 0, __ATOMIC_RELAXED);
    SleepConditionVariableSRW(&waitOn->condition, &state->lock, INFINITE, 0);
    __atomic_store_n(&state->owner, GetCurrentThreadId(), __ATOMIC_RELAXED);
    state->depth = depth;
    return 0;
}

int pthread_cond_signal(std::intptr_t* condition) {
    SyncState* state = StateOf(condition);
    if (state == nullptr) return ENOMEM;
    WakeConditionVariable(&state->condition);
    return 0;
}

int pthread_cond_broadcast(std::intptr_t* condition) {
    SyncState* state = StateOf(condition);
    if (state == nullptr) return ENOMEM;
    WakeAllConditionVariable(&state->condition);
    return 0;
}

int pthread_once(long* once, void (*function)(void)) {
    if (__atomic_load_n(once, __ATOMIC_ACQUIRE) == 1) return 0;
    OnceLock lock;
    if (*once == 0) {
        *once = 2;  // running: a nested call for the same once returns at once
        function();
        __atomic_store_n(once, 1, __ATOMIC_RELEASE);
    }
    return 0;
}

int pthread_key_create(unsigned* key, void (*destructor)(void*)) {
    const DWORD slot = TlsAlloc();
    if (slot == TLS_OUT_OF_INDEXES) return EAGAIN;
    AcquireSRWLockExclusive(&g_valuesLock);
    const LONG index = g_keyCount;
    if (index < static_cast<LONG>(kMaxKeys)) {
        g_keys[index] = Key{slot, destructor};
        g_keyCount = index + 1;
    }
    ReleaseSRWLockExclusive(&g_valuesLock);
    if (index >= static_cast<LONG>(kMaxKeys)) {
        TlsFree(slot);
        return EAGAIN;
    }
    *key = static_cast<unsigned>(index);
    return 0;
}

int pthread_key_delete(unsigned /*key*/) {
    return 0;  // the runtime never deletes its key; everything goes at unload
}

void* pthread_getspecific(unsigned key) {
    if (key >= kMaxKeys) return nullptr;
    // Exceptions reach this while unwinding: the caller's last-error value stays.
    const DWORD lastError = GetLastError();
    auto* entry = static_cast<ThreadValue*>(TlsGetValue(g_keys[key].slot));
    SetLastError(lastError);
    return entry != nullptr ? entry->value : nullptr;
}

int pthread_setspecific(unsigned key, const void* value) {
    if (key >= kMaxKeys) return EINVAL;
    const DWORD lastError = GetLastError();
    auto* entry = static_cast<ThreadValue*>(TlsGetValue(g_keys[key].slot));
    if (entry == nullptr) {
        entry = static_cast<ThreadValue*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(ThreadValue)));
        if (entry == nullptr) return ENOMEM;
        entry->key = key;
        AcquireSRWLockExclusive(&g_valuesLock);
        entry->next = g_values;
        if (g_values != nullptr) g_values->previous = entry;
        g_values = entry;
        ReleaseSRWLockExclusive(&g_valuesLock);
        TlsSetValue(g_keys[key].slot, entry);
    }
    entry->value = const_cast<void*>(value);
    SetLastError(lastError);
    return 0;
}

}  // extern "C"

namespace Runtime {

void ReleaseThreadValues() noexcept {
    const LONG keys = __atomic_load_n(&g_keyCount, __ATOMIC_ACQUIRE);
    for (LONG key = 0; key < keys; ++key) {
        auto* entry = static_cast<ThreadValue*>(TlsGetValue(g_keys[key].slot));
        if (entry == nullptr) continue;
        // A destructor may set the value again; POSIX allows a few rounds.
        for (int round = 0; round < 4 && entry->value != nullptr; ++round) {
            void* value = entry->value;
            entry->value = nullptr;
            if (g_keys[key].destructor != nullptr) g_keys[key].destructor(value);
        }
        TlsSetValue(g_keys[key].slot, nullptr);
        AcquireSRWLockExclusive(&g_valuesLock);
        Unlink(entry);
        ReleaseSRWLockExclusive(&g_valuesLock);
        HeapFree(GetProcessHeap(), 0, entry);
    }
}

}  // namespace Runtime

// The runtime's emergency exception pool, which it allocates at load and frees only here.
namespace __gnu_cxx {
void __freeres() noexcept;
}

namespace Runtime {

void ReleaseModuleResources() noexcept {
    // The unloading thread's values first, through the same path as a leaving thread.
    ReleaseThreadValues();
    // Threads still running keep nothing of this DLL once it is gone.
    for (ThreadValue* entry = g_values; entry != nullptr;) {
        ThreadValue* next = entry->next;
        if (entry->value != nullptr && g_keys[entry->key].destructor != nullptr)
            g_keys[entry->key].destructor(entry->value);
        HeapFree(GetProcessHeap(), 0, entry);
        entry = next;
    }
    g_values = nullptr;
    for (LONG key = 0; key < g_keyCount; ++key) TlsFree(g_keys[key].slot);
    g_keyCount = 0;
    for (SyncState* state = g_states; state != nullptr;) {
        SyncState* next = state->next;
        HeapFree(GetProcessHeap(), 0, state);
        state = next;
    }
    g_states = nullptr;
    __gnu_cxx::__freeres();
}

}  // namespace Runtime

#endif  // __MINGW32__
