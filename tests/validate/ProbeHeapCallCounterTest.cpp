// The validator's heap call counter against a real DLL: the calls the DLL makes on
// the watched thread are counted by kind with the DLL named as caller, calls on
// other threads are not, and the DLL's imports are its own again afterwards.

#include <windows.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>

#include "aaxhost/validate/HeapCallCounter.h"
#include "support/TestBinaries.h"

using namespace aaxhost::validate;

namespace {

class HeapProbe {
public:
    HeapProbe() : module_(LoadLibraryW(TestBinaryPath(L"LmHeapProbe.dll").c_str())) {
        if (!module_) throw std::runtime_error("LmHeapProbe.dll is missing");
        malloc_ = reinterpret_cast<void* (*)(std::size_t)>(Find("ProbeMalloc"));
        free_ = reinterpret_cast<void (*)(void*)>(Find("ProbeFree"));
        heap_ = Find("ProbeHeapAllocAndFree");
    }
    ~HeapProbe() { FreeLibrary(module_); }
    using Proc = void (*)();
    Proc Find(const char* name) const {
        return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }
    void* Handle() const { return module_; }
    void AllocateAndFree() const { free_(malloc_(100)); }
    void UseWin32Heap() const { heap_(); }
    // The DLL's import entry for malloc: what its calls jump through.
    void* MallocEntry() const {
        auto* base = reinterpret_cast<unsigned char*>(module_);
        const auto* nt =
            reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
        const auto& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
             import->Name != 0; ++import) {
            const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
            auto* entries = reinterpret_cast<void**>(base + import->FirstThunk);
            for (std::size_t i = 0; names[i].u1.AddressOfData != 0; ++i) {
                if (IMAGE_SNAP_BY_ORDINAL(names[i].u1.Ordinal)) continue;
                const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names[i].u1.AddressOfData);
                if (std::string(reinterpret_cast<const char*>(byName->Name)) == "malloc") return entries[i];
            }
        }
        return nullptr;
    }

private:
    HMODULE module_;
    void* (*malloc_)(std::size_t) = nullptr;
    void (*free_)(void*) = nullptr;
    void (*heap_)() = nullptr;
};

TEST(HeapCallCounter, CountsTheDllsCallsOnTheWatchedThreadOnly) {
    HeapProbe probe;
    HeapCallCounter counter({probe.Handle()});
    EXPECT_FALSE(counter.Patched().empty());
    std::thread watcher([&] { counter.WatchCurrentThread(); });  // a thread that makes no call
    watcher.join();
    probe.AllocateAndFree();
    EXPECT_EQ(counter.Describe(), "none");

    counter.WatchCurrentThread();
    probe.AllocateAndFree();
    probe.AllocateAndFree();
    probe.UseWin32Heap();
    std::thread other([&] { probe.AllocateAndFree(); });
    other.join();
    counter.Watch(0);
    probe.AllocateAndFree();  // after watching stopped

    EXPECT_EQ(counter.Count(HeapCall::Malloc), 2u);
    EXPECT_EQ(counter.Count(HeapCall::Free), 2u);
    EXPECT_EQ(counter.Count(HeapCall::HeapAlloc), 1u);
    EXPECT_EQ(counter.Count(HeapCall::HeapFree), 1u);
    EXPECT_EQ(counter.Total(), 6u);
    const auto callers = counter.FirstCallers();
    ASSERT_EQ(callers.size(), 6u);
    EXPECT_EQ(callers[0].call, HeapCall::Malloc);
    EXPECT_EQ(callers[0].where.rfind("LmHeapProbe.dll+0x", 0), 0u) << callers[0].where;
    const std::string description = counter.Describe();
    EXPECT_EQ(description.rfind("malloc x2, free x2, HeapAlloc x1, HeapFree x1; first from LmHeapProbe.dll+0x", 0), 0u)
        << description;
}

TEST(HeapCallCounter, GivesTheImportsBackAndPatchesOneAtATime) {
    HeapProbe probe;
    void* const original = probe.MallocEntry();
    ASSERT_NE(original, nullptr);
    {
        HeapCallCounter counter({probe.Handle()});
        EXPECT_NE(probe.MallocEntry(), original);
        EXPECT_THROW(HeapCallCounter second({probe.Handle()}), std::logic_error);
    }
    EXPECT_EQ(probe.MallocEntry(), original);
    HeapCallCounter again({probe.Handle()});
    again.WatchCurrentThread();
    probe.AllocateAndFree();
    EXPECT_EQ(again.Count(HeapCall::Malloc), 1u);
}

TEST(HeapCallCounter, ModulesInAFolderAreTheModuleAndItsNeighbours) {
    HeapProbe probe;
    const auto modules = ModulesInFolderOf(probe.Handle());
    ASSERT_FALSE(modules.empty());
    EXPECT_EQ(modules.front(), probe.Handle());
    // The test program lies in the same folder; a system DLL does not.
    bool program = false, system = false;
    for (void* module : modules) {
        program = program || module == GetModuleHandleW(nullptr);
        system = system || module == GetModuleHandleW(L"kernel32.dll");
    }
    EXPECT_TRUE(program);
    EXPECT_FALSE(system);
}

}  // namespace
