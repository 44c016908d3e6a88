#pragma once
// The module's ACF entry points, exported by name (signatures and the host's sequence
// in aax/ACFEntryPoints.h), and the data export that holds ACFRegisterPlugin's address.
// No exception leaves any of them.
//
// Module state: the host-services wrapper, kept from the first ACFStartup to
// ACFShutdown; registration failures are traced through it while it exists and
// dropped otherwise. [ui-thread]

#include <cstdint>

#include "aax/ACFEntryPoints.h"

#define LM_ACF_EXPORT __declspec(dllexport)

extern "C" {
LM_ACF_EXPORT acfResult ACFRegisterPlugin(IACFUnknown* host, IACFPluginDefinition** outDefinition);
LM_ACF_EXPORT acfResult ACFRegisterComponent(IACFUnknown* host, std::uint32_t index,
                                             IACFComponentDefinition** outDefinition);
LM_ACF_EXPORT acfResult ACFGetClassFactory(IACFUnknown* host, const acfCLSID& classID, const acfIID& iid,
                                           void** outFactory);
LM_ACF_EXPORT acfResult ACFCanUnloadNow(IACFUnknown* host);
LM_ACF_EXPORT acfResult ACFStartup(IACFUnknown* host);
LM_ACF_EXPORT acfResult ACFShutdown(IACFUnknown* host);
LM_ACF_EXPORT acfResult ACFGetSDKVersion(std::uint64_t* outVersion);
LM_ACF_EXPORT extern const ACFRegisterPluginProc pForceReexportACFRegisterPlugin;
}
