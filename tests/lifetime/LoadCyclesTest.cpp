// A host loads, scans and unloads a plug-in many times in one process (scans, plug-in
// managers, offline bounces). Every cycle must give back what it took: TLS slots (a
// process has 1088, and the next load dies when they run out), handles, threads and
// committed memory. The demo product is the shipped hook over the shipped demo core.

#include <windows.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "aaxhost/EffectInstance.h"
#include "aaxhost/LoadedModule.h"
#include "support/PrimedHook.h"
#include "support/ScratchFolder.h"

namespace {

// How many TLS slots the process has left: allocate until none is left, then free.
int FreeTlsSlots() {
    std::vector<DWORD> taken;
    for (DWORD slot = TlsAlloc(); slot != TLS_OUT_OF_INDEXES; slot = TlsAlloc()) taken.push_back(slot);
    for (DWORD slot : taken) TlsFree(slot);
    return static_cast<int>(taken.size());
}

// Open handles: every handle value the process can query (Windows and Wine hand out
// multiples of 4, lowest free first).
int HandleCount() {
    int count = 0;
    for (std::uintptr_t value = 4; value < 0x10000; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    }
    return count;
}

// Committed private memory: the heaps, stacks and VirtualAlloc regions of the process.
std::size_t CommittedPrivateBytes() {
    std::size_t total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    }
    return total;
}

int ThreadCount() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
    CloseHandle(snapshot);
    return count;
}

struct ProcessResources {
    int freeTlsSlots = 0;
    int handles = 0;
    int threads = 0;
    std::size_t privateBytes = 0;

    static ProcessResources Now() {
        ProcessResources now;
        now.freeTlsSlots = FreeTlsSlots();
        now.handles = HandleCount();
        now.threads = ThreadCount();
        now.privateBytes = CommittedPrivateBytes();
        return now;
    }
};

// One host cycle: load, start up, register (the scan), make and initialise one instance
// of the first effect, release it, shut down and unload.
void LoadScanUnload(const std::wstring& module) {
    aaxhost::LoadedModule loaded(module);
    ASSERT_EQ(loaded.Startup(), ACF_OK);
    const aaxhost::Registration registration = loaded.RegisterPlugin();
    ASSERT_EQ(registration.result, ACF_OK);
    ASSERT_FALSE(registration.package.effects.empty());
    std::unique_ptr<aaxhost::EffectInstance> instance =
        aaxhost::CreateEffectInstance(registration.package.effects.front());
    ASSERT_TRUE(instance);
    ASSERT_EQ(instance->Initialize(), AAX_SUCCESS);
}

TEST(LoadCycles, EveryCycleGivesBackItsTlsSlotsHandlesThreadsAndMemory) {
    ScratchFolder folder(L"cycles");
    folder.CopyBinary(L"LmDemoCore.dll");
    const std::wstring hook = folder.Join(L"LmDemo.aaxplugin");
    ASSERT_EQ(PrimeHookCopy(hook, ProductSettings("LmDemoCore.dll", "CoreConfig:demo", "LmDemo")), "");

    // The first cycles fill the host's and the C runtime's own caches.
    for (int i = 0; i < 20; ++i) LoadScanUnload(hook);
    ASSERT_EQ(GetModuleHandleW(hook.c_str()), nullptr) << "the module stayed loaded";
    const ProcessResources before = ProcessResources::Now();

    // More cycles than the process has TLS slots (1088).
    constexpr int kCycles = 1200;
    for (int i = 0; i < kCycles && !HasFatalFailure(); ++i) LoadScanUnload(hook);
    const ProcessResources after = ProcessResources::Now();

    std::printf("%d cycles: free TLS slots %d -> %d, handles %d -> %d, threads %d -> %d, private bytes %zu -> %zu\n",
                kCycles, before.freeTlsSlots, after.freeTlsSlots, before.handles, after.handles, before.threads,
                after.threads, before.privateBytes, after.privateBytes);
    EXPECT_EQ(after.freeTlsSlots, before.freeTlsSlots);
    EXPECT_LE(after.handles, before.handles);
    EXPECT_LE(after.threads, before.threads);
    // Allocator and page granularity leave some slack; a leak of even 256 bytes per
    // cycle would pass 500 kB here.
    EXPECT_LT(after.privateBytes, before.privateBytes + 256 * 1024);
}

}  // namespace
