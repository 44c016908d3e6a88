#pragma once
// HeapCallCounter: counts the heap and lock calls that chosen modules make on one
// watched thread. It patches the import address tables of those modules (the module
// under test and the DLLs loaded from its folder, its core among them) for the C
// runtime's malloc, calloc, realloc, free and _aligned_* functions, the Win32 and
// native heap functions (HeapAlloc, HeapReAlloc, HeapFree, RtlAllocateHeap,
// RtlReAllocateHeap, RtlFreeHeap), the other allocators (VirtualAlloc, VirtualFree,
// LocalAlloc, LocalReAlloc, LocalFree, GlobalAlloc, GlobalReAlloc, GlobalFree) and the
// calls that take a lock or wait (critical sections, slim reader/writer locks, the
// condition variables' sleeps, WaitForSingleObject(Ex), WaitForMultipleObjects(Ex)),
// whichever each module imports. A module that links its C++ runtime statically
// reaches these through operator new and delete and its mutexes too. GetProcAddress is
// patched as well: asked for one of these functions, it hands out the counting one,
// so a module that looks its allocator up at run time is counted the same. Each
// replacement counts the call when it comes from the watched thread and passes it on
// unchanged.
//
// The patches are process-wide: one counter at a time (a second throws
// std::logic_error). The destructor restores every patched entry; the modules must
// stay loaded while the counter lives.
// Construction and destruction: [ui-thread]; Watch, counts and callers: [any-thread];
// the replacements run on whatever thread the module calls them from.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace aaxhost::validate {

enum class HeapCall : int {
    Malloc,
    Calloc,
    Realloc,
    Free,
    AlignedMalloc,
    AlignedRealloc,
    AlignedFree,
    HeapAlloc,
    HeapReAlloc,
    HeapFree,
    RtlAllocateHeap,
    RtlReAllocateHeap,
    RtlFreeHeap,
    VirtualAlloc,
    VirtualFree,
    LocalAlloc,
    LocalReAlloc,
    LocalFree,
    GlobalAlloc,
    GlobalReAlloc,
    GlobalFree,
    EnterCriticalSection,
    TryEnterCriticalSection,
    AcquireSRWLockExclusive,
    AcquireSRWLockShared,
    SleepConditionVariableCS,
    SleepConditionVariableSRW,
    WaitForSingleObject,
    WaitForSingleObjectEx,
    WaitForMultipleObjects,
    WaitForMultipleObjectsEx,
    RtlEnterCriticalSection,
    RtlAcquireSRWLockExclusive,
    RtlAcquireSRWLockShared,
};
constexpr int kHeapCallKinds = 34;
// A call that takes a lock or waits, rather than allocates or frees.
bool IsLockCall(HeapCall call) noexcept;
// The imported function's name: "malloc", "HeapAlloc", ...
const char* HeapCallName(HeapCall call) noexcept;

struct HeapCaller {
    HeapCall call = HeapCall::Malloc;
    // The calling module and offset, "LmDemoCore.dll+0x1A2B": the return address, so a
    // call a function makes as its very last act (a jump) names that function's caller.
    std::string where;
};

class HeapCallCounter {
public:
    // Module handles (HMODULEs) whose imports to patch.
    explicit HeapCallCounter(const std::vector<void*>& modules);
    ~HeapCallCounter();
    HeapCallCounter(const HeapCallCounter&) = delete;
    HeapCallCounter& operator=(const HeapCallCounter&) = delete;

    // Counts from now on the calls of the thread with this identifier (0: none).
    void Watch(std::uint32_t threadId) noexcept;
    void WatchCurrentThread() noexcept;
    // Zeroes the counts and forgets the callers.
    void Reset() noexcept;

    std::uint64_t Count(HeapCall call) const noexcept;
    std::uint64_t Total() const noexcept;
    // The first calls counted (at most kCallersKept), in order.
    std::vector<HeapCaller> FirstCallers() const;
    static constexpr std::size_t kCallersKept = 8;
    // Calls that allocate or free, and calls that take a lock or wait.
    std::uint64_t AllocationCalls() const noexcept;
    std::uint64_t LockCalls() const noexcept;
    // "malloc x3, free x3; first from LmDemoCore.dll+0x1A2B (malloc), ..."; "none" when
    // nothing was counted.
    std::string Describe() const;

    // The import entries patched, as "LmHook.aaxplugin: msvcrt.dll!malloc".
    const std::vector<std::string>& Patched() const noexcept { return patchedNames_; }

private:
    struct Patch {
        void** entry;
        void* original;
    };
    void PatchModule(void* module);
    // Puts every patched entry back and lets the next counter patch.
    void Restore() noexcept;

    std::vector<Patch> patches_;
    std::vector<std::string> patchedNames_;
};

// The loaded modules whose file lies in the same folder as `module`'s, `module` first.
std::vector<void*> ModulesInFolderOf(void* module);

}  // namespace aaxhost::validate
