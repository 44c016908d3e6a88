#pragma once
// Priming: what makes a copy of the generic hook module belong to one product. The
// module carries the core library's file name or path ("LMCORE"/"PATH") and may carry
// a configuration string ("LMHOOK"/"CONFIG") and a short name ("LMHOOK"/"SHORTNAME"),
// each as UTF-8 text followed by a NUL byte. [any-thread]

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ModuleResources.h"

struct PrimeSettings {
    // A PATH of one NUL byte: the hook takes its core from the registry value CorePath.
    bool unprimed = false;
    // The core library's file name (looked for beside the hook) or path; not empty
    // unless `unprimed`.
    std::string core;
    std::optional<std::string> config;     // no value: the module gets no CONFIG
    std::optional<std::string> shortName;  // no value: the module gets no SHORTNAME
};

// The longest texts the hook accepts, in bytes before the NUL: the core path must fit
// a 2048-byte request field, the others 1024-byte ones.
constexpr std::size_t kMaxCoreTextLength = 2047;
constexpr std::size_t kMaxConfigLength = 1023;
constexpr std::size_t kMaxShortNameLength = 1023;

// Why `settings` cannot be written into a module, or "" when they can. Pure.
std::string CheckPrimeSettings(const PrimeSettings& settings);

// The resource updates that prime a module: PATH always; CONFIG and SHORTNAME written
// when given and removed when not, so that re-priming leaves nothing of an earlier
// priming behind. Pure; the settings are not checked here.
std::vector<NamedResource> PrimeResources(const PrimeSettings& settings);

// Writes a primed copy of `inModule` to `outModule` (they may be the same file), all
// or nothing (see WriteModuleCopy). False with `error` set for settings that
// CheckPrimeSettings refuses and for any failure on the way.
bool PrimeModule(const std::wstring& inModule, const std::wstring& outModule, const PrimeSettings& settings,
                 std::string& error);
