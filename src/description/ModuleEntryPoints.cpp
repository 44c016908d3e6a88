#include "description/ModuleEntryPoints.h"

#include <exception>
#include <memory>
#include <mutex>
#include <string>

#include "aax/AAX_CatchAll.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_Exception.h"
#include "aax/AAX_VCollection.h"
#include "aax/AAX_VHostServices.h"
#include "aax/ACFPtr.h"
#include "aax/CACFUnknown.h"
#include "description/EffectDescriptions.h"
#include "util/Mutex.h"

namespace {

Util::Mutex g_hostServicesMutex;
std::unique_ptr<AAX_VHostServices> g_hostServices;  // guarded by g_hostServicesMutex

void TraceRegistrationFailure(const char* what) noexcept {
    try {
        const std::string line = std::string("AAXRegisterPlugin exception caught: ") + what;
        std::lock_guard<Util::Mutex> lock(g_hostServicesMutex);
        if (g_hostServices) g_hostServices->Trace(AAX_eTracePriorityHost_High, line.c_str());
    } catch (...) {
        // A trace that cannot be sent is dropped.
    }
}

acfResult RegisterPlugin(IACFUnknown* host, IACFPluginDefinition** outDefinition) {
    if (outDefinition != nullptr) *outDefinition = nullptr;
    try {
        AAX_VCollection collection(host);
        const AAX_Result described = GetEffectDescriptions(&collection);
        if (described != AAX_SUCCESS) throw AAX::Exception::ResultError(described);
        ACFPtr<IACFPluginDefinition> filled =
            ACFPtr<IACFPluginDefinition>::Query(collection.GetIUnknown(), IID_IACFPluginDefinition);
        if (!filled) throw AAX::Exception::ResultError(AAX_ERROR_NULL_OBJECT);
        if (outDefinition != nullptr) {
            filled->AddRef();  // the host's reference; `filled` gives back its own
            *outDefinition = filled.Get();
        }
        return AAX_SUCCESS;
    } catch (const AAX::Exception::ResultError& error) {
        TraceRegistrationFailure(error.what());
        return error.Result();
    } catch (const AAX::Exception::Any& error) {
        TraceRegistrationFailure(error.what());
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    } catch (const std::exception& error) {
        TraceRegistrationFailure(error.what());
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    } catch (...) {
        TraceRegistrationFailure("unknown");
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

}  // namespace

extern "C" {

acfResult ACFRegisterPlugin(IACFUnknown* host, IACFPluginDefinition** outDefinition) {
    return ACF::CatchAll([&] { return RegisterPlugin(host, outDefinition); });
}

const ACFRegisterPluginProc pForceReexportACFRegisterPlugin = &ACFRegisterPlugin;

acfResult ACFRegisterComponent(IACFUnknown* /*host*/, std::uint32_t /*index*/,
                               IACFComponentDefinition** outDefinition) {
    if (outDefinition != nullptr) *outDefinition = nullptr;
    return ACF_OK;
}

acfResult ACFGetClassFactory(IACFUnknown* /*host*/, const acfCLSID& /*classID*/, const acfIID& /*iid*/,
                             void** outFactory) {
    if (outFactory != nullptr) *outFactory = nullptr;
    return AAX_ERROR_UNIMPLEMENTED;
}

acfResult ACFCanUnloadNow(IACFUnknown* /*host*/) { return CACFUnknown::LiveObjectCount(); }

acfResult ACFStartup(IACFUnknown* host) {
    return ACF::CatchAll([&] {
        std::lock_guard<Util::Mutex> lock(g_hostServicesMutex);
        if (!g_hostServices && host != nullptr) g_hostServices = std::make_unique<AAX_VHostServices>(host);
        return ACF_OK;
    });
}

acfResult ACFShutdown(IACFUnknown* /*host*/) {
    return ACF::CatchAll([&] {
        std::unique_ptr<AAX_VHostServices> services;
        {
            std::lock_guard<Util::Mutex> lock(g_hostServicesMutex);
            services = std::move(g_hostServices);
        }
        return ACF_OK;
    });
}

acfResult ACFGetSDKVersion(std::uint64_t* outVersion) {
    if (outVersion != nullptr) *outVersion = kAAX_SDKVersion;
    return ACF_OK;
}

}  // extern "C"
