#pragma once
// A product installed in a temporary folder: a primed copy of the real hook module
// (loaded, and made the module instance that the core link reads its resources and
// folder from), the test core under the product's core name, and registry values.
// Every primed hook carries the process's short name (kScenarioShortName); the process
// reads the short name once, so all scenarios share it.

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ModuleResources.h"
#include "support/PrimedHook.h"
#include "support/ScratchFolder.h"
#include "util/ConfigFile.h"
#include "util/ModuleInstance.h"

// Test programs run side by side (CTest -j): each primes its hooks with a short name of
// its own, so none deletes the registry value another one has just written.
inline const std::string& ScenarioShortNameText() {
    static const std::string name = "CoreLinkTests" + std::to_string(GetCurrentProcessId());
    return name;
}
inline const std::string& ScenarioRegistryKeyText() {
    static const std::string key = "SOFTWARE\\Lumetra\\" + ScenarioShortNameText();
    return key;
}
inline const char* const kScenarioShortName = ScenarioShortNameText().c_str();
inline const char* const kScenarioRegistryKey = ScenarioRegistryKeyText().c_str();

class CoreLinkScenario {
public:
    CoreLinkScenario() : folder_(L"corelink"), hookPath_(folder_.Join(L"hook" + folder_.Id() + L".dll")) {
        Util::ConfigFile(Util::String(kScenarioRegistryKey)).DeleteValue(Util::String("CorePath"));
    }
    ~CoreLinkScenario() {
        Util::SetModuleInstance(nullptr);
        if (hook_) FreeLibrary(hook_);
        Util::ConfigFile(Util::String(kScenarioRegistryKey)).DeleteValue(Util::String("CorePath"));
    }
    CoreLinkScenario(const CoreLinkScenario&) = delete;
    CoreLinkScenario& operator=(const CoreLinkScenario&) = delete;

    std::wstring Folder() const { return folder_.Wide(); }

    // Copies the test core (or `source` from the build folder) to `relative`.
    std::wstring AddCore(const std::wstring& relative = L"LmBrisa3.dll",
                         const std::wstring& source = L"LmTestCore.dll") {
        return folder_.CopyBinary(source, relative);
    }

    // Primes the hook with `core` as its PATH text (and `config` when given), then
    // loads it as the module instance. Returns the priming error, "" on success.
    std::string UseHook(const std::string& core, const char* config = nullptr, bool unprimed = false) {
        PrimeSettings settings;
        settings.core = core;
        settings.unprimed = unprimed;
        settings.shortName = kScenarioShortName;
        if (config) settings.config = std::string(config);
        const std::string error = PrimeHookCopy(hookPath_, settings);
        return error.empty() ? Load() : error;
    }

    // Writes raw resources into the hook copy (for resources priming refuses to make).
    std::string UseHookWithResources(const std::vector<NamedResource>& resources) {
        std::vector<NamedResource> all = resources;
        all.push_back({"LMHOOK", "SHORTNAME", Bytes(kScenarioShortName)});
        std::string error;
        if (!WriteModuleCopy(TestBinaryPath(L"LmHook.dll"), hookPath_, all, error)) return error;
        return Load();
    }

    void SetRegistryCorePath(const std::wstring& path) {
        Util::ConfigFile(Util::String(kScenarioRegistryKey)).SetString(Util::String("CorePath"), Utf8(path));
    }

    static std::vector<unsigned char> Bytes(const std::string& text, bool nul = true) {
        std::vector<unsigned char> bytes(text.begin(), text.end());
        if (nul) bytes.push_back(0);
        return bytes;
    }
    static Util::String Utf8(const std::wstring& text) {
        std::filesystem::path p(text);
        return Util::String(p.u8string());
    }

private:
    std::string Load() {
        hook_ = LoadLibraryW(hookPath_.c_str());
        if (!hook_) return "the primed hook does not load";
        Util::SetModuleInstance(hook_);
        return "";
    }

    ScratchFolder folder_;
    std::wstring hookPath_;
    HMODULE hook_ = nullptr;
};
