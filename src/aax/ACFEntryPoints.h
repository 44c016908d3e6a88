#pragma once
// The module's exported ACF entry points: their names and signatures, for the module
// that defines them and the host that resolves them with GetProcAddress. Each returns
// an ACF result; none lets an exception escape.
//
// The host's sequence: ACFStartup (host services), ACFRegisterPlugin (the description),
// any number of objects made through the registered factories, ACFCanUnloadNow until it
// returns 0, ACFShutdown, FreeLibrary.

#include <cstdint>

#include "aax/acfbaseapi.h"
#include "aax/acfunknown.h"

// Every entry point receives the same `host`: the IACFUnknown through which the module
// finds the host's component factory (IID_IACFComponentFactory).
//
// Startup: the module makes its host-services wrapper through the factory and keeps it
// until ACFShutdown. [ui-thread]
using ACFStartupProc = acfResult (*)(IACFUnknown* host);
// Registration: the module makes a collection through the factory, describes into it,
// and on success writes to *outDefinition an added reference to that collection
// queried for IID_IACFPluginDefinition, which the host releases. [ui-thread]
using ACFRegisterPluginProc = acfResult (*)(IACFUnknown* host, IACFPluginDefinition** outDefinition);
// Further ACF components: the module has none (null, ACF_OK).
using ACFRegisterComponentProc = acfResult (*)(IACFUnknown* host, std::uint32_t index,
                                               IACFComponentDefinition** outDefinition);
// Class factories: objects are made only through the registered factories, so this
// writes null and fails.
using ACFGetClassFactoryProc = acfResult (*)(IACFUnknown* host, const acfCLSID& classID, const acfIID& iid,
                                             void** outFactory);
// The module's live ACF objects (CACFUnknown::LiveObjectCount); 0 lets the host unload it.
using ACFCanUnloadNowProc = acfResult (*)(IACFUnknown* host);
// Drops what ACFStartup kept. [ui-thread]
using ACFShutdownProc = acfResult (*)(IACFUnknown* host);
// Writes the SDK version the module was built against (kAAX_SDKVersion).
using ACFGetSDKVersionProc = acfResult (*)(std::uint64_t* outVersion);

inline constexpr const char kACFStartupName[] = "ACFStartup";
inline constexpr const char kACFRegisterPluginName[] = "ACFRegisterPlugin";
inline constexpr const char kACFRegisterComponentName[] = "ACFRegisterComponent";
inline constexpr const char kACFGetClassFactoryName[] = "ACFGetClassFactory";
inline constexpr const char kACFCanUnloadNowName[] = "ACFCanUnloadNow";
inline constexpr const char kACFShutdownName[] = "ACFShutdown";
inline constexpr const char kACFGetSDKVersionName[] = "ACFGetSDKVersion";

// SDK 2.3 (upper 32 bits 0x0203), revision 12546840 (lower 32 bits).
inline constexpr std::uint64_t kAAX_SDKVersion = 0x0000020300BF7318ull;
