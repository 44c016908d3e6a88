#pragma once
// A primed copy of the built hook module (LmHook.dll beside the tests), alone or in a
// product bundle, made by lmprime's own library; for test programs that link it
// (tools/lmprime on the include path).

#include <string>

#include "Bundle.h"
#include "Priming.h"
#include "support/TestBinaries.h"

// Primes a copy of the hook at `target`; the priming error, "" on success.
inline std::string PrimeHookCopy(const std::wstring& target, const PrimeSettings& settings) {
    std::string error;
    return PrimeModule(TestBinaryPath(L"LmHook.dll"), target, settings, error) ? std::string() : error;
}

// The usual product: `core` as the hook's PATH text, `config` its CONFIG, `shortName`
// its SHORTNAME.
inline PrimeSettings ProductSettings(const std::string& core, const std::string& config, const std::string& shortName) {
    PrimeSettings settings;
    settings.core = core;
    settings.config = config;
    settings.shortName = shortName;
    return settings;
}

// Lays out the bundle `name` in `directory`: a hook copy primed with `settings` and, unless
// `core` is empty, the built core `core` beside it. The bundled module's path; empty, with
// `error` set, when it cannot be made.
inline std::wstring PrimeBundle(const std::wstring& directory, const std::wstring& name, const std::wstring& core,
                                const PrimeSettings& settings, std::string& error) {
    const BundleSettings bundle{directory, name, core.empty() ? std::wstring() : TestBinaryPath(core)};
    std::wstring bundlePath;
    if (!BuildBundle(TestBinaryPath(L"LmHook.dll"), bundle, settings, bundlePath, error)) return {};
    return BundleModulePath(bundlePath, name);
}
