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

// Runs inside the module's heap calls: no allocation, no lock.
void Record(HeapCall call, void* returnAddress) noexcept {
    const DWORD watched = gWatched.load(std::memory_order_relaxed);
    if (watched == 0 || watched != GetCurrentThreadId()) return;
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
#undef LM_HEAP_REPLACEMENT

#define LM_SLOTS(kind)                                                                                     \
    {                                                                                                      \
        reinterpret_cast<void*>(&kind##Replacement<0>), reinterpret_cast<void*>(&kind##Replacement<1>),    \
            reinterpret_cast<void*>(&kind##Replacement<2>), reinterpret_cast<void*>(&kind##Replacement<3>) \
    }

const void* const kReplacements[kHeapCallKinds][kSlots] = {
    LM_SLOTS(Malloc),        LM_SLOTS(Calloc),         LM_SLOTS(Realloc),         LM_SLOTS(Free),
    LM_SLOTS(AlignedMalloc), LM_SLOTS(AlignedRealloc), LM_SLOTS(AlignedFree),     LM_SLOTS(HeapAlloc),
    LM_SLOTS(HeapReAlloc),   LM_SLOTS(HeapFree),       LM_SLOTS(RtlAllocateHeap), LM_SLOTS(RtlReAllocateHeap),
    LM_SLOTS(RtlFreeHeap),
};
#undef LM_SLOTS

const char* const kNames[kHeapCallKinds] = {
    "malloc",        "calloc",    "realloc",     "free",     "_aligned_malloc", "_aligned_realloc",
    "_aligned_free", "HeapAlloc", "HeapReAlloc", "HeapFree", "RtlAllocateHeap", "RtlReAllocateHeap",
    "RtlFreeHeap",
};

enum class Library { CRuntime, Win32Heap, Native, Other };

Library LibraryOf(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    const auto startsWith = [&](const char* prefix) { return name.rfind(prefix, 0) == 0; };
    if (startsWith("msvcr") || startsWith("ucrtbase") || startsWith("api-ms-win-crt-")) return Library::CRuntime;
    if (name == "kernel32.dll" || name == "kernelbase.dll" || startsWith("api-ms-win-core-heap-"))
        return Library::Win32Heap;
    if (name == "ntdll.dll") return Library::Native;
    return Library::Other;
}

int KindOf(Library library, const char* name) {
    const int first = library == Library::CRuntime    ? 0
                      : library == Library::Win32Heap ? 7
                      : library == Library::Native    ? 10
                                                      : -1;
    const int last = library == Library::CRuntime ? 7 : library == Library::Win32Heap ? 10 : 13;
    if (first < 0) return -1;
    for (int kind = first; kind < last; ++kind)
        if (std::strcmp(kNames[kind], name) == 0) return kind;
    return -1;
}

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
    return index >= 0 && index < kHeapCallKinds ? kNames[index] : "heap call";
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
            const int kind = KindOf(library, reinterpret_cast<const char*>(byName->Name));
            if (kind < 0) continue;
            void* original = entries[i];
            int slot = -1;
            for (int s = 0; s < kSlots && slot < 0; ++s) {
                void* held = gOriginals[kind][s].load();
                if (held == original)
                    slot = s;
                else if (held == nullptr && gOriginals[kind][s].compare_exchange_strong(held, original))
                    slot = s;
            }
            if (slot < 0) continue;  // more implementations of one name than slots
            DWORD protection = 0;
            if (!VirtualProtect(&entries[i], sizeof(void*), PAGE_READWRITE, &protection)) continue;
            patches_.push_back(Patch{&entries[i], original});
            entries[i] = const_cast<void*>(kReplacements[kind][slot]);
            VirtualProtect(&entries[i], sizeof(void*), protection, &protection);
            patchedNames_.push_back(moduleName + ": " + libraryName + "!" + kNames[kind]);
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

std::string HeapCallCounter::Describe() const {
    std::string text;
    for (int kind = 0; kind < kHeapCallKinds; ++kind) {
        const std::uint64_t count = gCounts[kind].load();
        if (count == 0) continue;
        text += (text.empty() ? "" : ", ") + std::string(kNames[kind]) + " x" + std::to_string(count);
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
