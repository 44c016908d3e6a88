#pragma once
// A product installed in a temporary folder for the module's entry points: a primed
// copy of the real hook module under a file name of its own (so that every scenario
// gets a fresh module instance with empty caches) and the test core beside it as the
// product's core. The scenario holds its own reference to the core, so that the static
// information it scripts is still there when the module loads the core and asks.

#include <windows.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "aaxhost/LoadedModule.h"
#include "contract/CoreStaticInfo.h"
#include "support/PrimedHook.h"
#include "support/ScratchFolder.h"
#include "testcore/TestCoreClient.h"

inline void SetText(char* field, std::size_t size, const std::string& text) {
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), text.size() < size ? text.size() : size - 1);
}
#define LM_SET_TEXT(record, field, text) SetText((record).field, sizeof((record).field), (text))

// A realtime record with a stereo layout and a few names: the baseline the tests vary.
inline CoreStaticInfo BasicRecord() {
    CoreStaticInfo info;
    std::memset(&info, 0, sizeof info);
    LM_SET_TEXT(info, effectIdStem, "Fx");
    LM_SET_TEXT(info, nameStem, "Fx");
    LM_SET_TEXT(info, manufacturerName, "Lumetra Audio\nsecond line");
    LM_SET_TEXT(info, nameList, "Brisa Long\nBrisa\n");
    info.packageVersion = 0x30201;
    info.manufacturerId = 0x4C756D65;  // 'Lume'
    info.basePluginId = 0x42720000;
    info.realtimeFlag = 1;
    info.categoryMask = 0x1;
    info.stemAvailable[kStemStereo] = 1;
    return info;
}

class ModuleScenario {
public:
    ModuleScenario() : folder_(L"module"), hookPath_(folder_.Join(L"ModuleHook" + folder_.Id() + L".dll")) {
        coreModule_ = LoadLibraryW(folder_.CopyBinary(L"LmTestCore.dll", L"LmBrisa3.dll").c_str());
        core_ = std::make_unique<TestCoreClient>(coreModule_);
        if (core_->Valid()) core_->Reset();
        primeError_ =
            PrimeHookCopy(hookPath_, ProductSettings("LmBrisa3.dll", "CoreConfig:module tests", "ModuleTests"));
    }
    ~ModuleScenario() {
        module_.reset();
        core_.reset();
        if (coreModule_) FreeLibrary(coreModule_);
    }
    ModuleScenario(const ModuleScenario&) = delete;
    ModuleScenario& operator=(const ModuleScenario&) = delete;

    bool Ready() const { return primeError_.empty() && core_->Valid(); }
    const std::string& PrimeError() const { return primeError_; }
    TestCoreClient& Core() { return *core_; }

    // The core's answer for both formats (the AudioSuite record defaults to the same).
    void Script(const CoreStaticInfo& realtime) { Script(realtime, realtime); }
    void Script(const CoreStaticInfo& realtime, const CoreStaticInfo& audioSuite) {
        core_->SetStaticInfo(6, &realtime, CoreStaticInfo::kCoreSize, 0);
        core_->SetStaticInfo(7, &audioSuite, CoreStaticInfo::kCoreSize, 0);
    }

    // Loads the primed hook (once) and runs ACFStartup.
    aaxhost::LoadedModule& Module(bool startup = true) {
        if (!module_) {
            module_ = std::make_unique<aaxhost::LoadedModule>(hookPath_);
            if (startup) module_->Startup();
        }
        return *module_;
    }
    aaxhost::Registration Register() { return Module().RegisterPlugin(); }
    // Scripts the records and registers: the package the module described.
    aaxhost::PackageDescription Describe(const CoreStaticInfo& realtime) { return Describe(realtime, realtime); }
    aaxhost::PackageDescription Describe(const CoreStaticInfo& realtime, const CoreStaticInfo& audioSuite) {
        Script(realtime, audioSuite);
        const aaxhost::Registration registration = Register();
        EXPECT_EQ(registration.result, 0);
        return registration.package;
    }

private:
    ScratchFolder folder_;
    std::wstring hookPath_;
    HMODULE coreModule_ = nullptr;
    std::unique_ptr<TestCoreClient> core_;
    std::string primeError_;
    std::unique_ptr<aaxhost::LoadedModule> module_;
};

// A scenario named `name` that the test needs ready.
#define LM_SCENARIO(name) \
    ModuleScenario name;  \
    ASSERT_TRUE(name.Ready()) << name.PrimeError()
