#include "aaxhost/cli/ModuleSession.h"

#include <cstdio>
#include <stdexcept>

#include "aax/AAX.h"
#include "aaxhost/cli/FileBytes.h"
#include "toolcli/CommandLine.h"

namespace aaxhost::cli {

std::string ResultText(std::int32_t result) {
    const char* name = result == ACF_OK ? "AAX_SUCCESS" : AAX_ResultName(result);
    if (std::string(name) == "unknown AAX result") {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(result));
        return std::string(hex) + " (" + std::to_string(result) + ")";
    }
    return std::string(name) + " (" + std::to_string(result) + ")";
}

ModuleSession::ModuleSession(const std::string& path) : module_(std::make_unique<LoadedModule>(WidePath(path))) {
    module_->Startup();
    registration_ = module_->RegisterPlugin();
}

ModuleSession::~ModuleSession() {
    module_.reset();
    watcher_.Stop();
}

const EffectDescription& ModuleSession::Effect(const std::string& identifier) const {
    if (const EffectDescription* effect = registration_.package.FindEffect(identifier)) return *effect;
    std::string known;
    for (const EffectDescription& effect : registration_.package.effects)
        known += (known.empty() ? "" : ", ") + ("\"" + effect.identifier + "\"");
    throw toolcli::UsageError("the module has no effect \"" + identifier + "\"" +
                              (known.empty() ? std::string(" (it registered none)") : "; its effects: " + known));
}

void ModuleSession::RequireRegistration() const {
    if (!RegistrationSucceeded())
        throw std::runtime_error("the module's registration failed with " + ResultText(registration_.result));
}

void ModuleSession::ReportFatalErrors() {
    const std::vector<std::string> texts = FatalErrors();
    for (; reportedFatalErrors_ < texts.size(); ++reportedFatalErrors_)
        std::fprintf(stderr, "aaxhost: the module showed a \"Fatal Error\" box: %s\n",
                     texts[reportedFatalErrors_].c_str());
}

}  // namespace aaxhost::cli
