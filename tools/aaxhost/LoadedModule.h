#pragma once
// LoadedModule: one AAX module loaded the way a host loads it. The constructor loads the
// library (LoadLibraryW) and resolves the ACF entry points by name; the operations run
// them with the host's RegistrationHost as `host`: the module obtains the host services
// and, at ACFRegisterPlugin, a fresh recording collection and its descriptors through
// the host's component factory.
// The host reaches the module only through these entry points, the factories the
// module registers and the interfaces they return.
//
// The destructor runs ACFShutdown when ACFStartup ran and ACFShutdown did not, then
// unloads the library only when ACFCanUnloadNow returns 0: a module that still has live
// objects stays loaded (for the rest of the process) rather than leave the host with
// objects whose code is gone.
// [ui-thread]: one thread at a time; Traces may be read from any thread.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "aax/ACFEntryPoints.h"
#include "aaxhost/HostObject.h"
#include "aaxhost/PackageDescription.h"
#include "aaxhost/RecordingHostServices.h"
#include "aaxhost/RegistrationHost.h"

namespace aaxhost {

// The module could not be loaded, or it does not export ACFRegisterPlugin.
class ModuleLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Registration {
    acfResult result = ACF_E_UNEXPECTED;
    // What the module described, whatever the result: effects added before a failure
    // stay, as in a host's collection.
    PackageDescription package;
    // The module handed the collection it made back, as the host's plug-in definition.
    bool collectionReturned = false;
};

class LoadedModule {
public:
    explicit LoadedModule(const std::wstring& path);
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    // Each runs its entry point and returns its result; an entry point the module does
    // not export gives ACF_E_NOINTERFACE.
    acfResult Startup();
    Registration RegisterPlugin();
    acfResult RegisterComponent(std::uint32_t index, IACFComponentDefinition** outComponent);
    acfResult GetClassFactory(const acfCLSID& classID, const acfIID& iid, void** outFactory);
    acfResult CanUnloadNow();
    acfResult Shutdown();
    acfResult GetSDKVersion(std::uint64_t* outVersion);

    // Any export by name (the ACF names of ACFEntryPoints.h, or a module's own), null
    // when the module has none.
    using GenericProc = void (*)();
    GenericProc FindExport(const char* name) const;
    template <class Function>
    Function FindExportAs(const char* name) const {
        return reinterpret_cast<Function>(FindExport(name));
    }

    // The trace lines the module sent through the host services, in order. [any-thread]
    std::vector<TraceLine> Traces() const { return host_.Services().Traces(); }
    // The host services the module obtains through the host's component factory.
    RecordingHostServices& HostServices() const noexcept { return host_.Services(); }
    // The host's component factory, as the module's entry points reached it.
    const HostComponentFactory& Factory() const noexcept { return host_.Factory(); }
    const std::wstring& Path() const noexcept { return path_; }
    // The module handle (an HMODULE).
    void* Handle() const noexcept { return module_; }

private:
    IACFUnknown* Host() const noexcept;

    std::wstring path_;
    void* module_ = nullptr;
    RegistrationHost host_;
    ACFStartupProc startup_ = nullptr;
    ACFRegisterPluginProc registerPlugin_ = nullptr;
    ACFRegisterComponentProc registerComponent_ = nullptr;
    ACFGetClassFactoryProc getClassFactory_ = nullptr;
    ACFCanUnloadNowProc canUnloadNow_ = nullptr;
    ACFShutdownProc shutdown_ = nullptr;
    ACFGetSDKVersionProc getSDKVersion_ = nullptr;
    bool started_ = false;
};

}  // namespace aaxhost
