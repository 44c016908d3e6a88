#pragma once
// A primed copy of the built hook module (LmHook.dll beside the tests), made by lmprime's
// own library; for test programs that link it (tools/lmprime on the include path).

#include <string>

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
