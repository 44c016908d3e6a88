// The entry point of every shipped DLL (linked with --entry): the C runtime's own entry,
// followed by the release of what the runtime's thread support holds. It runs after the
// runtime's entry so that DllMain and the static destructors still find their locks and
// per-thread values; nothing of the DLL runs after it on unload.
// At process exit (`reserved` not null) the process takes everything back itself, and
// other threads may have died holding locks: nothing is released then.

#include <windows.h>

#include "runtime/ModuleRuntime.h"

extern "C" BOOL WINAPI DllMainCRTStartup(HANDLE instance, DWORD reason, LPVOID reserved);

extern "C" BOOL WINAPI LmDllEntry(HANDLE instance, DWORD reason, LPVOID reserved) {
    const BOOL result = DllMainCRTStartup(instance, reason, reserved);
    if (reason == DLL_THREAD_DETACH) {
        Runtime::ReleaseThreadValues();
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        Runtime::ReleaseModuleResources();
    }
    return result;
}
