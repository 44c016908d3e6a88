// A host loads, scans and unloads a plug-in many times in one process (scans, plug-in
// managers, offline bounces). Every cycle must give back what it took: TLS slots (a
// process has 1088, and the next load dies when they run out), handles, threads and
// committed memory. The demo product is the shipped hook over the shipped demo core.

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "aaxhost/EffectInstance.h"
#include "aaxhost/LoadedModule.h"
#include "aaxhost/ProcessResources.h"
#include "support/PrimedHook.h"
#include "support/ScratchFolder.h"

namespace {

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
    const aaxhost::ProcessResources before = aaxhost::ProcessResources::Now();

    // More cycles than the process has TLS slots (1088).
    constexpr int kCycles = 1200;
    for (int i = 0; i < kCycles && !HasFatalFailure(); ++i) LoadScanUnload(hook);
    const aaxhost::ProcessResources after = aaxhost::ProcessResources::Now();

    std::printf("%d cycles: %s before, %s after\n", kCycles, aaxhost::DescribeResources(before).c_str(),
                aaxhost::DescribeResources(after).c_str());
    EXPECT_EQ(after.freeTlsSlots, before.freeTlsSlots);
    EXPECT_LE(after.handles, before.handles);
    EXPECT_LE(after.threads, before.threads);
    // Allocator and page granularity leave some slack; a leak of even 256 bytes per
    // cycle would pass 500 kB here.
    EXPECT_LT(after.privateBytes, before.privateBytes + 256 * 1024);
}

}  // namespace
