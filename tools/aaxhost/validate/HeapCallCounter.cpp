#include "aaxhost/validate/HeapCallCounter.h"

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <cwctype>
#include <stdexcept>

#if defined(_MSC_VER)
#include <intrin.h>
#pragma intrinsic(_ReturnAddress)
#define LM_RETURN_ADDRESS() _ReturnAddress()
#else
#define LM_RETURN_ADDRESS() __builtin_return_address(0)
#endif

#include "util/WideText.h"

namespace aaxhost::validate {

namespace {

// Import entries of different modules may point at different implementations of the
// same name (msvcrt's malloc and ucrtbase's); each gets a slot of its own, and the
// replacement in that slot passes the call on to that implementation.
constexpr int kSlots = 4;

std::atomic<bool> gActive{false};
std::atomic<DWORD> gWatched{0};
std::array<std::atomic<std::uint64_t>, kHeapCallKinds> gCounts{};
// Written before an entry is patched to the slot, never cleared: a thread may still be
// inside a replacement when the counter restores the entries.
std::atomic<void*> gOriginals[kHeapCallKinds][kSlots];

struct CallerRecord {
    std::atomic<int> call{0};
    std::atomic<void*> address{nullptr};
};
std::atomic<std::size_t> gCallerCount{0};
CallerRecord gCallers[HeapCallCounter::kCallersKept];

// Whether this thread holds the loader lock: it runs a DLL's entry point (the thread's
// start or end), which is the loader's business and never part of processing. The PEB
// keeps the lock's address at 0x110 (x64); a critical section its owner.
bool UnderLoaderLock() noexcept {
#if defined(_WIN64)
    // The TEB (at gs) keeps the PEB's address at 0x60 (x64).
    const unsigned char* peb = nullptr;
    __asm__("movq %%gs:0x60, %0" : "=r"(peb));
    const auto* lock = *reinterpret_cast<const RTL_CRITICAL_SECTION* const*>(peb + 0x110);
    return lock != nullptr &&
           static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(lock->OwningThread)) == GetCurrentThreadId();
#else
    return false;
#endif
}

// Runs inside the module's heap calls: no allocation, no lock.
void Record(HeapCall call, void* returnAddress) noexcept {
    const DWORD watched = gWatched.load(std::memory_order_relaxed);
    if (watched == 0 || watched != GetCurrentThreadId() || UnderLoaderLock()) return;
    gCounts[static_cast<int>(call)].fetch_add(1, std::memory_order_relaxed);
    const std::size_t index = gCallerCount.fetch_add(1);
    if (index < HeapCallCounter::kCallersKept) {
        gCallers[index].call.store(static_cast<int>(call));
        gCallers[index].address.store(returnAddress);
    }
}

template <class Function>
Function Original(HeapCall call, int slot) noexcept {
    return reinterpret_cast<Function>(gOriginals[static_cast<int>(call)][slot].load());
}

// One replacement per kind and slot: count, then call what the entry held.
#define LM_HEAP_REPLACEMENT(kind, Ret, Params, Args)                  \
    template <int S>                                                  \
    Ret kind##Replacement Params {                                    \
        Record(HeapCall::kind, LM_RETURN_ADDRESS());                  \
        return Original<Ret(WINAPI*) Params>(HeapCall::kind, S) Args; \
    }

LM_HEAP_REPLACEMENT(Malloc, void*, (std::size_t size), (size))
LM_HEAP_REPLACEMENT(Calloc, void*, (std::size_t count, std::size_t size), (count, size))
LM_HEAP_REPLACEMENT(Realloc, void*, (void* memory, std::size_t size), (memory, size))
LM_HEAP_REPLACEMENT(Free, void, (void* memory), (memory))
LM_HEAP_REPLACEMENT(AlignedMalloc, void*, (std::size_t size, std::size_t alignment), (size, alignment))
LM_HEAP_REPLACEMENT(AlignedRealloc, void*, (void* memory, std::size_t size, std::size_t alignment),
                    (memory, size, alignment))
LM_HEAP_REPLACEMENT(AlignedFree, void, (void* memory), (memory))
LM_HEAP_REPLACEMENT(HeapAlloc, LPVOID, (HANDLE heap, DWORD flags, SIZE_T size), (heap, flags, size))
LM_HEAP_REPLACEMENT(HeapReAlloc, LPVOID, (HANDLE heap, DWORD flags, LPVOID memory, SIZE_T size),
                    (heap, flags, memory, size))
LM_HEAP_REPLACEMENT(HeapFree, BOOL, (HANDLE heap, DWORD flags, LPVOID memory), (heap, flags, memory))
LM_HEAP_REPLACEMENT(RtlAllocateHeap, PVOID, (PVOID heap, ULONG flags, SIZE_T size), (heap, flags, size))
LM_HEAP_REPLACEMENT(RtlReAllocateHeap, PVOID, (PVOID heap, ULONG flags, PVOID memory, SIZE_T size),
                    (heap, flags, memory, size))
LM_HEAP_REPLACEMENT(RtlFreeHeap, BOOLEAN, (PVOID heap, ULONG flags, PVOID memory), (heap, flags, memory))
LM_HEAP_REPLACEMENT(VirtualAlloc, LPVOID, (LPVOID address, SIZE_T size, DWORD type, DWORD protect),
                    (address, size, type, protect))
LM_HEAP_REPLACEMENT(VirtualFree, BOOL, (LPVOID address, SIZE_T size, DWORD type), (address, size, type))
LM_HEAP_REPLACEMENT(LocalAlloc, HLOCAL, (UINT flags, SIZE_T size), (flags, size))
LM_HEAP_REPLACEMENT(LocalReAlloc, HLOCAL, (HLOCAL memory, SIZE_T size, UINT flags), (memory, size, flags))
LM_HEAP_REPLACEMENT(LocalFree, HLOCAL, (HLOCAL memory), (memory))
LM_HEAP_REPLACEMENT(GlobalAlloc, HGLOBAL, (UINT flags, SIZE_T size), (flags, size))
LM_HEAP_REPLACEMENT(GlobalReAlloc, HGLOBAL, (HGLOBAL memory, SIZE_T size, UINT flags), (memory, size, flags))
LM_HEAP_REPLACEMENT(GlobalFree, HGLOBAL, (HGLOBAL memory), (memory))
LM_HEAP_REPLACEMENT(EnterCriticalSection, void, (LPCRITICAL_SECTION section), (section))
LM_HEAP_REPLACEMENT(TryEnterCriticalSection, BOOL, (LPCRITICAL_SECTION section), (section))
LM_HEAP_REPLACEMENT(AcquireSRWLockExclusive, void, (PSRWLOCK lock), (lock))
LM_HEAP_REPLACEMENT(AcquireSRWLockShared, void, (PSRWLOCK lock), (lock))
LM_HEAP_REPLACEMENT(SleepConditionVariableCS, BOOL,
                    (PCONDITION_VARIABLE variable, PCRITICAL_SECTION section, DWORD milliseconds),
                    (variable, section, milliseconds))
LM_HEAP_REPLACEMENT(SleepConditionVariableSRW, BOOL,
                    (PCONDITION_VARIABLE variable, PSRWLOCK lock, DWORD milliseconds, ULONG flags),
                    (variable, lock, milliseconds, flags))
LM_HEAP_REPLACEMENT(WaitForSingleObject, DWORD, (HANDLE handle, DWORD milliseconds), (handle, milliseconds))
LM_HEAP_REPLACEMENT(WaitForSingleObjectEx, DWORD, (HANDLE handle, DWORD milliseconds, BOOL alertable),
                    (handle, milliseconds, alertable))
LM_HEAP_REPLACEMENT(WaitForMultipleObjects, DWORD, (DWORD count, const HANDLE* handles, BOOL all, DWORD milliseconds),
                    (count, handles, all, milliseconds))
LM_HEAP_REPLACEMENT(WaitForMultipleObjectsEx, DWORD,
                    (DWORD count, const HANDLE* handles, BOOL all, DWORD milliseconds, BOOL alertable),
                    (count, handles, all, milliseconds, alertable))
LM_HEAP_REPLACEMENT(RtlEnterCriticalSection, LONG, (PVOID section), (section))
LM_HEAP_REPLACEMENT(RtlAcquireSRWLockExclusive, void, (PVOID lock), (lock))
LM_HEAP_REPLACEMENT(RtlAcquireSRWLockShared, void, (PVOID lock), (lock))
#undef LM_HEAP_REPLACEMENT

#define LM_SLOTS(kind)                                                                                     \
    {                                                                                                      \
        reinterpret_cast<void*>(&kind##Replacement<0>), reinterpret_cast<void*>(&kind##Replacement<1>),    \
            reinterpret_cast<void*>(&kind##Replacement<2>), reinterpret_cast<void*>(&kind##Replacement<3>) \
    }

const void* const kReplacements[kHeapCallKinds][kSlots] = {
    LM_SLOTS(Malloc),
    LM_SLOTS(Calloc),
    LM_SLOTS(Realloc),
    LM_SLOTS(Free),
    LM_SLOTS(AlignedMalloc),
    LM_SLOTS(AlignedRealloc),
    LM_SLOTS(AlignedFree),
    LM_SLOTS(HeapAlloc),
    LM_SLOTS(HeapReAlloc),
    LM_SLOTS(HeapFree),
    LM_SLOTS(RtlAllocateHeap),
    LM_SLOTS(RtlReAllocateHeap),
    LM_SLOTS(RtlFreeHeap),
    LM_SLOTS(VirtualAlloc),
    LM_SLOTS(VirtualFree),
    LM_SLOTS(LocalAlloc),
    LM_SLOTS(LocalReAlloc),
    LM_SLOTS(LocalFree),
    LM_SLOTS(GlobalAlloc),
    LM_SLOTS(GlobalReAlloc),
    LM_SLOTS(GlobalFree),
    LM_SLOTS(EnterCriticalSection),
    LM_SLOTS(TryEnterCriticalSection),
    LM_SLOTS(AcquireSRWLockExclusive),
    LM_SLOTS(AcquireSRWLockShared),
    LM_SLOTS(SleepConditionVariableCS),
    LM_SLOTS(SleepConditionVariableSRW),
    LM_SLOTS(WaitForSingleObject),
    LM_SLOTS(WaitForSingleObjectEx),
    LM_SLOTS(WaitForMultipleObjects),
    LM_SLOTS(WaitForMultipleObjectsEx),
    LM_SLOTS(RtlEnterCriticalSection),
    LM_SLOTS(RtlAcquireSRWLockExclusive),
    LM_SLOTS(RtlAcquireSRWLockShared),
};

enum class Library { CRuntime, Win32, Native, Other };

struct KindInfo {
    const char* name;
    Library library;
    bool lock;
};

const KindInfo kKinds[kHeapCallKinds] = {
    {"malloc", Library::CRuntime, false},
    {"calloc", Library::CRuntime, false},
    {"realloc", Library::CRuntime, false},
    {"free", Library::CRuntime, false},
    {"_aligned_malloc", Library::CRuntime, false},
    {"_aligned_realloc", Library::CRuntime, false},
    {"_aligned_free", Library::CRuntime, false},
    {"HeapAlloc", Library::Win32, false},
    {"HeapReAlloc", Library::Win32, false},
    {"HeapFree", Library::Win32, false},
    {"RtlAllocateHeap", Library::Native, false},
    {"RtlReAllocateHeap", Library::Native, false},
    {"RtlFreeHeap", Library::Native, false},
    {"VirtualAlloc", Library::Win32, false},
    {"VirtualFree", Library::Win32, false},
    {"LocalAlloc", Library::Win32, false},
    {"LocalReAlloc", Library::Win32, false},
    {"LocalFree", Library::Win32, false},
    {"GlobalAlloc", Library::Win32, false},
    {"GlobalReAlloc", Library::Win32, false},
    {"GlobalFree", Library::Win32, false},
    {"EnterCriticalSection", Library::Win32, true},
    {"TryEnterCriticalSection", Library::Win32, true},
    {"AcquireSRWLockExclusive", Library::Win32, true},
    {"AcquireSRWLockShared", Library::Win32, true},
    {"SleepConditionVariableCS", Library::Win32, true},
    {"SleepConditionVariableSRW", Library::Win32, true},
    {"WaitForSingleObject", Library::Win32, true},
    {"WaitForSingleObjectEx", Library::Win32, true},
    {"WaitForMultipleObjects", Library::Win32, true},
    {"WaitForMultipleObjectsEx", Library::Win32, true},
    {"RtlEnterCriticalSection", Library::Native, true},
    {"RtlAcquireSRWLockExclusive", Library::Native, true},
    {"RtlAcquireSRWLockShared", Library::Native, true},
};

// Without allocating: the replacement of GetProcAddress calls it on any thread.
Library LibraryOf(const char* name) {
    char lower[64] = {};
    for (std::size_t i = 0; i + 1 < sizeof lower && name[i] != '\0'; ++i)
        lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
    const auto startsWith = [&](const char* prefix) { return std::strncmp(lower, prefix, std::strlen(prefix)) == 0; };
    if (startsWith("msvcr") || startsWith("ucrtbase") || startsWith("api-ms-win-crt-")) return Library::CRuntime;
    if (std::strcmp(lower, "kernel32.dll") == 0 || std::strcmp(lower, "kernelbase.dll") == 0 ||
        startsWith("api-ms-win-core-"))
        return Library::Win32;
    if (std::strcmp(lower, "ntdll.dll") == 0) return Library::Native;
    return Library::Other;
}

int KindOf(Library library, const char* name) {
    if (library == Library::Other) return -1;
    for (int kind = 0; kind < kHeapCallKinds; ++kind)
        if (kKinds[kind].library == library && std::strcmp(kKinds[kind].name, name) == 0) return kind;
    return -1;
}

// The slot whose original is `original`, claimed when none is yet; -1 when every slot
// holds another implementation.
int SlotFor(int kind, void* original) noexcept {
    for (int s = 0; s < kSlots; ++s) {
        void* held = gOriginals[kind][s].load();
        if (held == original) return s;
        if (held == nullptr && gOriginals[kind][s].compare_exchange_strong(held, original)) return s;
        if (held == original) return s;
    }
    return -1;
}

// GetProcAddress's own originals, one per slot like the counted kinds'.
std::atomic<void*> gGetProcAddressOriginals[kSlots];

// Hands out the counting replacement for a counted function of a system library while
// the counter is active; everything else, and every lookup once it is gone, unchanged.
template <int S>
FARPROC WINAPI GetProcAddressReplacement(HMODULE module, LPCSTR name) {
    using Function = FARPROC(WINAPI*)(HMODULE, LPCSTR);
    const FARPROC found = reinterpret_cast<Function>(gGetProcAddressOriginals[S].load())(module, name);
    if (found == nullptr || IS_INTRESOURCE(name) || !gActive.load()) return found;
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return found;
    const char* file = path;
    for (const char* c = path; *c != '\0'; ++c)
        if (*c == '\\' || *c == '/') file = c + 1;
    const int kind = KindOf(LibraryOf(file), name);
    if (kind < 0) return found;
    const int slot = SlotFor(kind, reinterpret_cast<void*>(found));
    if (slot < 0) return found;
    return reinterpret_cast<FARPROC>(const_cast<void*>(kReplacements[kind][slot]));
}

const void* const kGetProcAddressReplacements[kSlots] = {reinterpret_cast<void*>(&GetProcAddressReplacement<0>),
                                                         reinterpret_cast<void*>(&GetProcAddressReplacement<1>),
                                                         reinterpret_cast<void*>(&GetProcAddressReplacement<2>),
                                                         reinterpret_cast<void*>(&GetProcAddressReplacement<3>)};

std::wstring FileNameOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring ModulePath(HMODULE module) {
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(module, &path[0], static_cast<DWORD>(path.size()));
    path.resize(length);
    return path;
}

std::string DescribeAddress(void* address) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(address), &module)) {
        char text[32];
        std::snprintf(text, sizeof text, "0x%llX",
                      static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(address)));
        return text;
    }
    char offset[32];
    std::snprintf(offset, sizeof offset, "+0x%llX",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(address) -
                                                  reinterpret_cast<std::uintptr_t>(module)));
    return Util::FromWide(FileNameOf(ModulePath(module)).c_str()).Bytes() + offset;
}

}  // namespace

const char* HeapCallName(HeapCall call) noexcept {
    const int index = static_cast<int>(call);
    return index >= 0 && index < kHeapCallKinds ? kKinds[index].name : "heap call";
}

bool IsLockCall(HeapCall call) noexcept {
    const int index = static_cast<int>(call);
    return index >= 0 && index < kHeapCallKinds && kKinds[index].lock;
}

HeapCallCounter::HeapCallCounter(const std::vector<void*>& modules) {
    bool expected = false;
    if (!gActive.compare_exchange_strong(expected, true))
        throw std::logic_error("only one heap call counter can patch the modules at a time");
    Watch(0);
    Reset();
    try {
        for (void* module : modules)
            if (module != nullptr) PatchModule(module);
    } catch (...) {
        Restore();
        throw;
    }
}

HeapCallCounter::~HeapCallCounter() { Restore(); }

void HeapCallCounter::Restore() noexcept {
    Watch(0);
    for (const Patch& patch : patches_) {
        DWORD protection = 0;
        if (VirtualProtect(patch.entry, sizeof(void*), PAGE_READWRITE, &protection)) {
            *patch.entry = patch.original;
            VirtualProtect(patch.entry, sizeof(void*), protection, &protection);
        }
    }
    patches_.clear();
    gActive.store(false);
}

void HeapCallCounter::PatchModule(void* module) {
    auto* base = static_cast<unsigned char*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) return;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE) return;
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0) return;
    const std::string moduleName = Util::FromWide(FileNameOf(ModulePath(static_cast<HMODULE>(module))).c_str()).Bytes();
    for (auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         import->Name != 0; ++import) {
        const char* libraryName = reinterpret_cast<const char*>(base + import->Name);
        const Library library = LibraryOf(libraryName);
        // Without the name table the bound entries cannot be told apart.
        if (library == Library::Other || import->OriginalFirstThunk == 0) continue;
        const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
        auto* entries = reinterpret_cast<void**>(base + import->FirstThunk);
        for (std::size_t i = 0; names[i].u1.AddressOfData != 0; ++i) {
            if (IMAGE_SNAP_BY_ORDINAL(names[i].u1.Ordinal)) continue;
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names[i].u1.AddressOfData);
            const char* functionName = reinterpret_cast<const char*>(byName->Name);
            const int kind = KindOf(library, functionName);
            const bool lookup = library == Library::Win32 && std::strcmp(functionName, "GetProcAddress") == 0;
            if (kind < 0 && !lookup) continue;
            void* original = entries[i];
            void* replacement = nullptr;
            if (lookup) {
                for (int s = 0; s < kSlots && replacement == nullptr; ++s) {
                    void* held = gGetProcAddressOriginals[s].load();
                    if (held == original ||
                        (held == nullptr && gGetProcAddressOriginals[s].compare_exchange_strong(held, original)) ||
                        held == original)
                        replacement = const_cast<void*>(kGetProcAddressReplacements[s]);
                }
            } else {
                const int slot = SlotFor(kind, original);
                if (slot >= 0) replacement = const_cast<void*>(kReplacements[kind][slot]);
            }
            if (replacement == nullptr) continue;  // more implementations of one name than slots
            DWORD protection = 0;
            if (!VirtualProtect(&entries[i], sizeof(void*), PAGE_READWRITE, &protection)) continue;
            patches_.push_back(Patch{&entries[i], original});
            entries[i] = replacement;
            VirtualProtect(&entries[i], sizeof(void*), protection, &protection);
            patchedNames_.push_back(moduleName + ": " + libraryName + "!" + functionName);
        }
    }
}

void HeapCallCounter::Watch(std::uint32_t threadId) noexcept { gWatched.store(threadId); }

void HeapCallCounter::WatchCurrentThread() noexcept { Watch(GetCurrentThreadId()); }

void HeapCallCounter::Reset() noexcept {
    for (auto& count : gCounts) count.store(0);
    gCallerCount.store(0);
}

std::uint64_t HeapCallCounter::Count(HeapCall call) const noexcept { return gCounts[static_cast<int>(call)].load(); }

std::uint64_t HeapCallCounter::Total() const noexcept {
    std::uint64_t total = 0;
    for (const auto& count : gCounts) total += count.load();
    return total;
}

std::vector<HeapCaller> HeapCallCounter::FirstCallers() const {
    std::vector<HeapCaller> callers;
    const std::size_t count = std::min(gCallerCount.load(), kCallersKept);
    for (std::size_t i = 0; i < count; ++i)
        callers.push_back(
            HeapCaller{static_cast<HeapCall>(gCallers[i].call.load()), DescribeAddress(gCallers[i].address.load())});
    return callers;
}

std::uint64_t HeapCallCounter::AllocationCalls() const noexcept { return Total() - LockCalls(); }

std::uint64_t HeapCallCounter::LockCalls() const noexcept {
    std::uint64_t total = 0;
    for (int kind = 0; kind < kHeapCallKinds; ++kind)
        if (kKinds[kind].lock) total += gCounts[kind].load();
    return total;
}

std::string HeapCallCounter::Describe() const {
    std::string text;
    for (int kind = 0; kind < kHeapCallKinds; ++kind) {
        const std::uint64_t count = gCounts[kind].load();
        if (count == 0) continue;
        text += (text.empty() ? "" : ", ") + std::string(kKinds[kind].name) + " x" + std::to_string(count);
    }
    if (text.empty()) return "none";
    std::string callers;
    for (const HeapCaller& caller : FirstCallers())
        callers += (callers.empty() ? "" : ", ") + caller.where + " (" + HeapCallName(caller.call) + ")";
    return text + "; first from " + callers;
}

std::vector<void*> ModulesInFolderOf(void* module) {
    std::vector<void*> modules;
    if (module == nullptr) return modules;
    modules.push_back(module);
    const auto folderOf = [](const std::wstring& path) {
        std::wstring folder = path.substr(0, path.find_last_of(L"\\/") + 1);
        for (wchar_t& c : folder) c = c == L'/' ? L'\\' : static_cast<wchar_t>(std::towlower(c));
        return folder;
    };
    const std::wstring folder = folderOf(ModulePath(static_cast<HMODULE>(module)));
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return modules;
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32FirstW(snapshot, &entry); more; more = Module32NextW(snapshot, &entry)) {
        void* handle = entry.hModule;
        if (handle == module) continue;
        if (folderOf(ModulePath(entry.hModule)) == folder) modules.push_back(handle);
    }
    CloseHandle(snapshot);
    return modules;
}

}  // namespace aaxhost::validate
