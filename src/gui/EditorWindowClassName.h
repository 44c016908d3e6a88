#pragma once
// The name of the editor window class: "Lm_<name stem>_v<package version>_fAAX_Window.
// <address>", where the address is the run-time address of PluginHookCallback in the
// module that holds this code, in upper-case hexadecimal. Each loaded copy of the
// module therefore registers a class of its own, and two copies of the same product
// never share (and never unregister) each other's class. Pure; [any-thread].

#include <cstdint>

#include "contract/CoreStaticInfo.h"
#include "util/String.h"

// The class name for `info` (the realtime record; "Unknown" and version 0 when it is
// not valid) and the given module address.
Util::String FormatEditorWindowClassName(const CoreStaticInfo& info, std::uint64_t moduleAddress);

// The address that tells copies of the module apart: that of PluginHookCallback here.
std::uint64_t EditorWindowClassAddress() noexcept;

// This module's class name, from the realtime record of the static-information cache.
Util::String EditorWindowClassName();
