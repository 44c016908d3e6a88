#pragma once
// A product whose core is loaded and held, for building PluginHook objects against the
// real core link and the test core. The static-information cache lives for the
// process, so the scenarios use plug-in format codes of their own (the module's 6 and 7
// belong to the cache's own tests), all described once by a core with a valid
// configuration before any scenario needs them.

#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "CoreLinkScenario.h"
#include "hook/CoreLink.h"
#include "hook/CoreStaticInfoCache.h"
#include "hook/PluginHook.h"
#include "testcore/TestCoreClient.h"

constexpr PluginFormat kPlainFormat = 200;                // no host-information store
constexpr PluginFormat kStoreFormat = 201;                // keeps a host-information store
constexpr PluginFormat kMonoSideChainFormat = 202;        // side-chain inputs as one channel
constexpr PluginFormat kRefusedFormat = 203;              // the core refuses to describe it
constexpr PluginFormat kParametersFormat = 300;           // name stem "Key"; no side chain, no aux outputs
constexpr PluginFormat kParametersSideChainFormat = 301;  // name stem "Key", a side chain, two aux output stems
constexpr PluginFormat kRenderPlainFormat = 400;          // no side chain, aux outputs or MIDI
constexpr PluginFormat kRenderMidiFormat = 401;           // MIDI input, a side chain, one aux output stem
constexpr PluginFormat kOfflineFormat = 500;              // AudioSuite, its layout following the selection
constexpr PluginFormat kOfflineFixedFormat = 501;         // AudioSuite with the fixed-layout flag
// State format 4242 version 5, legacy marker 0x4F, manufacturer 'Lmtr', product ID
// 0x4C4D5400; only package 9010 reads older format IDs.
constexpr PluginFormat kChunkFormat = 330;      // package 9020
constexpr PluginFormat kChunk9010Format = 331;  // package 9010

inline const char* const kGoodConfig = "FixedChannelConfig:stereo|CoreConfig:cfg value";

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
    // Every format the scenarios use, described once per process: loads the test core
    // through a primed hook, scripts its answers and fills the cache while it is held.
    static bool DescribeFormatsOnce() {
        static const bool described = [] {
            CoreLinkScenario scenario;
            const std::wstring path = scenario.AddCore();
            EXPECT_EQ(scenario.UseHook("LmBrisa3.dll", kGoodConfig), "");
            const std::shared_ptr<LoadedCore> link = GetCoreLink();
            TestCoreClient core(GetModuleHandleW(path.c_str()));
            EXPECT_TRUE(core.Valid());
            const auto script = [&core](PluginFormat format, const char* stem, auto edit, std::uint32_t result = 0) {
                CoreStaticInfo info;
                std::memset(&info, 0, sizeof info);
                if (format < kParametersFormat) info.packageVersion = format;
                std::strcpy(info.nameStem, stem);
                edit(info);
                core.SetStaticInfo(format, &info, CoreStaticInfo::kCoreSize, result);
            };
            const auto none = [](CoreStaticInfo&) {};
            script(kPlainFormat, "", none);
            script(kStoreFormat, "", [](CoreStaticInfo& info) { info.hostInfoStoreFlag = 1; });
            script(kMonoSideChainFormat, "", [](CoreStaticInfo& info) { info.sideChainMonoFlag = 1; });
            script(kRefusedFormat, "", none, 5);
            script(kParametersFormat, "Key", none);
            script(kParametersSideChainFormat, "Key", [](CoreStaticInfo& info) {
                info.sideChainFlag = 1;
                info.auxOutputCount = 2;
            });
            const auto named = [](CoreStaticInfo& info) { std::strcpy(info.nameList, "Example Name\nEx"); };
            script(kRenderPlainFormat, "Render", named);
            script(kRenderMidiFormat, "Render", [named](CoreStaticInfo& info) {
                named(info);
                info.midiInputFlag = 1;
                info.sideChainFlag = 1;
                info.auxOutputCount = 1;
            });
            script(kOfflineFormat, "Offline", none);
            script(kOfflineFixedFormat, "Offline", [](CoreStaticInfo& info) { info.audioSuiteFixedLayoutFlag = 1; });
            for (const auto& format : {std::make_pair(kChunkFormat, 9020u), std::make_pair(kChunk9010Format, 9010u)})
                script(format.first, "", [&format](CoreStaticInfo& info) {
                    info.stateFormatId = 4242;
                    info.stateVersion = 5;
                    info.packageVersion = format.second;
                    info.legacyStateMarker = 0x4F;
                    info.manufacturerId = 0x4C6D7472;
                    info.basePluginId = 0x4C4D5400;
                });
            for (PluginFormat format :
                 {kPlainFormat, kStoreFormat, kMonoSideChainFormat, kRefusedFormat, kParametersFormat,
                  kParametersSideChainFormat, kRenderPlainFormat, kRenderMidiFormat, kOfflineFormat,
                  kOfflineFixedFormat, kChunkFormat, kChunk9010Format})
                EXPECT_EQ(GetCoreStaticInfo(format).IsValid(), format != kRefusedFormat) << "format " << format;
            return true;
        }();
        return described;
    }

    bool described_;
    CoreLinkScenario scenario_;
    std::wstring corePath_;
    std::shared_ptr<LoadedCore> link_;
    std::unique_ptr<TestCoreClient> core_;
};
