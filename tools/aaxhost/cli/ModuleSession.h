#pragma once
// ModuleSession: a module as every aaxhost command holds it: a DialogWatcher answering
// "Fatal Error" boxes for the whole session (they may come at registration or when an
// instance is made), the loaded module after ACFStartup, and its registration. The
// watcher outlives the module, so boxes shown while the module unloads are answered too.
// [ui-thread]

#include <memory>
#include <string>
#include <vector>

#include "aaxhost/DialogWatcher.h"
#include "aaxhost/LoadedModule.h"

namespace aaxhost::cli {

class ModuleSession {
public:
    // `path` is UTF-8. Throws ModuleLoadError when the module cannot be loaded.
    explicit ModuleSession(const std::string& path);
    ~ModuleSession();
    ModuleSession(const ModuleSession&) = delete;
    ModuleSession& operator=(const ModuleSession&) = delete;

    const Registration& Registered() const noexcept { return registration_; }
    bool RegistrationSucceeded() const noexcept { return registration_.result == ACF_OK; }
    LoadedModule& Module() const noexcept { return *module_; }
    std::vector<std::string> FatalErrors() const { return watcher_.Texts(); }

    // The effect registered as `identifier`; toolcli::UsageError listing the effects otherwise.
    const EffectDescription& Effect(const std::string& identifier) const;
    // Throws std::runtime_error naming the result when registration failed.
    void RequireRegistration() const;
    // Writes each "Fatal Error" box seen so far to stderr, once.
    void ReportFatalErrors();

private:
    DialogWatcher watcher_;
    std::unique_ptr<LoadedModule> module_;
    Registration registration_;
    std::size_t reportedFatalErrors_ = 0;
};

// "AAX_SUCCESS (0)" style: the name of an AAX or ACF result with its number.
std::string ResultText(std::int32_t result);

}  // namespace aaxhost::cli
