#include "aaxhost/LoadedModule.h"

#include <windows.h>

#include "aaxhost/RecordingCollection.h"
#include "toolcli/SystemError.h"
#include "util/WideText.h"

namespace aaxhost {

LoadedModule::LoadedModule(const std::wstring& path) : path_(path) {
    HMODULE module = LoadLibraryW(path.c_str());
    if (module == nullptr) {
        const DWORD error = GetLastError();
        throw ModuleLoadError("cannot load " + Util::FromWide(path.c_str()).Bytes() + ": " +
                              toolcli::SystemErrorText(error));
    }
    module_ = module;
    startup_ = FindExportAs<ACFStartupProc>(kACFStartupName);
    registerPlugin_ = FindExportAs<ACFRegisterPluginProc>(kACFRegisterPluginName);
    registerComponent_ = FindExportAs<ACFRegisterComponentProc>(kACFRegisterComponentName);
    getClassFactory_ = FindExportAs<ACFGetClassFactoryProc>(kACFGetClassFactoryName);
    canUnloadNow_ = FindExportAs<ACFCanUnloadNowProc>(kACFCanUnloadNowName);
    shutdown_ = FindExportAs<ACFShutdownProc>(kACFShutdownName);
    getSDKVersion_ = FindExportAs<ACFGetSDKVersionProc>(kACFGetSDKVersionName);
    if (registerPlugin_ == nullptr) {
        FreeLibrary(module);
        throw ModuleLoadError(Util::FromWide(path.c_str()).Bytes() + " exports no " + kACFRegisterPluginName);
    }
}

LoadedModule::~LoadedModule() {
    if (started_) Shutdown();
    // Without ACFCanUnloadNow the host cannot know; it unloads as a host would.
    if (canUnloadNow_ == nullptr || canUnloadNow_(Host()) == 0) FreeLibrary(static_cast<HMODULE>(module_));
}

IACFUnknown* LoadedModule::Host() const noexcept { return host_.Unknown(); }

LoadedModule::GenericProc LoadedModule::FindExport(const char* name) const {
    // GetProcAddress gives a generic function pointer; callers convert it to the
    // signature the module exports.
    const FARPROC found = GetProcAddress(static_cast<HMODULE>(module_), name);
    return reinterpret_cast<GenericProc>(found);
}

acfResult LoadedModule::Startup() {
    if (startup_ == nullptr) return ACF_E_NOINTERFACE;
    const acfResult result = startup_(Host());
    started_ = true;  // the module may keep the services even when it reports a failure
    return result;
}

Registration LoadedModule::RegisterPlugin() {
    Registration registration;
    host_.TakeCollections();  // what an earlier registration left behind
    IACFPluginDefinition* returned = nullptr;
    registration.result = registerPlugin_(Host(), &returned);
    const std::vector<ACFPtr<RecordingCollection>> made = host_.TakeCollections();
    // A module makes one collection; the first is the one it described into.
    const RecordingCollection* collection = made.empty() ? nullptr : made.front().Get();
    if (returned != nullptr) {
        registration.collectionReturned = collection != nullptr && FindOwn<RecordingCollection>(returned) == collection;
        returned->Release();
    }
    if (collection != nullptr) registration.package = collection->Description();
    return registration;
}

acfResult LoadedModule::RegisterComponent(std::uint32_t index, IACFComponentDefinition** outComponent) {
    if (registerComponent_ == nullptr) return ACF_E_NOINTERFACE;
    return registerComponent_(Host(), index, outComponent);
}

acfResult LoadedModule::GetClassFactory(const acfCLSID& classID, const acfIID& iid, void** outFactory) {
    if (getClassFactory_ == nullptr) return ACF_E_NOINTERFACE;
    return getClassFactory_(Host(), classID, iid, outFactory);
}

acfResult LoadedModule::CanUnloadNow() {
    if (canUnloadNow_ == nullptr) return ACF_E_NOINTERFACE;
    return canUnloadNow_(Host());
}

acfResult LoadedModule::Shutdown() {
    if (shutdown_ == nullptr) return ACF_E_NOINTERFACE;
    started_ = false;
    return shutdown_(Host());
}

acfResult LoadedModule::GetSDKVersion(std::uint64_t* outVersion) {
    if (getSDKVersion_ == nullptr) return ACF_E_NOINTERFACE;
    return getSDKVersion_(outVersion);
}

}  // namespace aaxhost
