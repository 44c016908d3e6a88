#pragma once
// The shared core link: the product's core library, loaded once while anyone holds it.
// Every hook object and the static-information cache hold a shared pointer to the
// LoadedCore part of one record; the record owns the library, which is released (and
// may unload) when the last holder lets go, on whichever thread that happens.

#include <memory>

#include "contract/CoreEntryPoint.h"
#include "util/String.h"

// What holders see. Immutable after construction. [any-thread]
struct LoadedCore {
    PluginCoreCallbackFn coreCallback = nullptr;  // the core's one entry point
    Util::String corePath;                        // where the core was loaded from; at most 2047 bytes of UTF-8
    Util::String hookConfig;                      // the hook configuration string; at most 1023 bytes
};

// The shared record: the library handle and the part holders see. Destroying it
// destroys the texts first, then releases the library.
class HmoduleWithLoadedCore {
public:
    HmoduleWithLoadedCore(void* module, LoadedCore core) noexcept;
    ~HmoduleWithLoadedCore();
    HmoduleWithLoadedCore(const HmoduleWithLoadedCore&) = delete;
    HmoduleWithLoadedCore& operator=(const HmoduleWithLoadedCore&) = delete;

    LoadedCore core;

private:
    void* module_;  // HMODULE of the core library, released last
};

// The current link, loading the core when nobody holds it; empty when no core can be
// loaded (the reason has been shown as a "Fatal Error"). Concurrent callers wait for
// one load and share it; a failed load is tried again by the next call. [any-thread]
std::shared_ptr<LoadedCore> GetCoreLink();

// The steps of a load, run by GetCoreLink under its lock. Each shows its own messages.
std::shared_ptr<LoadedCore> LoadCore();
Util::String FindCorePathFromResource();  // null when the resource gives no usable path
Util::String FindCorePathFromRegistry();  // null when the registry names no existing file

// The hook module's folder with its trailing backslash, or ".\" when unknown.
Util::String ModuleDirectory();
