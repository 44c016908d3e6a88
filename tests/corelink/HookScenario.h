#pragma once
// A product whose core is loaded and held, for building PluginHook objects against the
// real core link and the test core. The static-information cache lives for the
// process, so the hook tests use plug-in format codes of their own, described once by
// a core with a valid configuration before any scenario needs them.

#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>

#include "CoreLinkScenario.h"
#include "hook/CoreLink.h"
#include "hook/CoreStaticInfoCache.h"
#include "hook/PluginHook.h"
#include "testcore/TestCoreClient.h"

constexpr PluginFormat kPlainFormat = 200;          // no host-information store
constexpr PluginFormat kStoreFormat = 201;          // keeps a host-information store
constexpr PluginFormat kMonoSideChainFormat = 202;  // side-chain inputs as one channel
constexpr PluginFormat kRefusedFormat = 203;        // the core refuses to describe it

inline const char* const kGoodConfig = "FixedChannelConfig:stereo|CoreConfig:cfg value";

// Describes plug-in formats to this process's static-information cache: loads the test
// core through a primed hook, lets `script` set its answers, and fills the cache for
// every format while the core is held. The cache lives for the process, so each
// scenario calls this once, from a function-local static.
template <class Script>
bool DescribeFormatsToCache(std::initializer_list<PluginFormat> formats, Script script, bool expectValid = true) {
    CoreLinkScenario scenario;
    const std::wstring path = scenario.AddCore();
    EXPECT_EQ(scenario.UseHook("LmBrisa3.dll", kGoodConfig), "");
    const std::shared_ptr<LoadedCore> link = GetCoreLink();
    TestCoreClient core(GetModuleHandleW(path.c_str()));
    EXPECT_TRUE(core.Valid());
    script(core);
    for (PluginFormat format : formats) {
        const bool valid = GetCoreStaticInfo(format).IsValid();
        if (expectValid) {
            EXPECT_TRUE(valid) << "format " << format;
        }
    }
    return true;
}

class HookScenario {
public:
    explicit HookScenario(const char* config = kGoodConfig) : described_(DescribeFormatsOnce()) {
        corePath_ = scenario_.AddCore();
        EXPECT_EQ(scenario_.UseHook("LmBrisa3.dll", config), "");
        link_ = GetCoreLink();
        core_ = std::make_unique<TestCoreClient>(GetModuleHandleW(corePath_.c_str()));
        EXPECT_TRUE(core_->Valid());
        core_->Reset();
    }

    TestCoreClient& Core() { return *core_; }
    const LoadedCore& Link() const { return *link_; }

    std::unique_ptr<PluginHook> MakeHook(PluginFormat format = kPlainFormat, float sampleRate = 48000.0f,
                                         ChannelConfig channels = kChannelConfigStereo, std::uint8_t flag = 0) {
        return std::make_unique<PluginHook>(format, sampleRate, channels, flag);
    }

    // The calls the core received since the last Forget.
    std::vector<TestCoreCall> Calls() const { return core_->Calls(); }
    std::vector<TestCoreCall> CallsOf(std::uint32_t selector) const { return core_->CallsOf(selector); }
    void Forget() { core_->Reset(); }

private:
    static bool DescribeFormatsOnce() {
        static const bool described = DescribeFormatsToCache(
            {kPlainFormat, kStoreFormat, kMonoSideChainFormat, kRefusedFormat},
            [](TestCoreClient& core) {
                Script(
                    core, kPlainFormat, [](CoreStaticInfo&) {}, 0);
                Script(
                    core, kStoreFormat, [](CoreStaticInfo& info) { info.hostInfoStoreFlag = 1; }, 0);
                Script(
                    core, kMonoSideChainFormat, [](CoreStaticInfo& info) { info.sideChainMonoFlag = 1; }, 0);
                Script(
                    core, kRefusedFormat, [](CoreStaticInfo&) {}, 5);
            },
            /*expectValid=*/false);
        return described;
    }

    template <class Edit>
    static void Script(TestCoreClient& core, PluginFormat format, Edit edit, std::uint32_t result) {
        CoreStaticInfo info;
        std::memset(&info, 0, sizeof info);
        info.packageVersion = format;
        edit(info);
        core.SetStaticInfo(format, &info, CoreStaticInfo::kCoreSize, result);
    }

    bool described_;
    CoreLinkScenario scenario_;
    std::wstring corePath_;
    std::shared_ptr<LoadedCore> link_;
    std::unique_ptr<TestCoreClient> core_;
};
