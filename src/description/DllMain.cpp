// The hook module's library entry point: records the module instance handle (used for
// the module's resources and its editor window class) and always reports success.

#include <windows.h>

#include "description/ModuleEntryPoints.h"
#include "hook/HookCallback.h"
#include "util/ModuleInstance.h"

// The module's code comes from a static library, whose objects are linked only when
// something refers to them: this reference keeps the object that exports
// PluginHookCallback (by name, for the core) in the module.
extern "C" const PluginHookCallbackFn g_exportedHookCallback = &PluginHookCallback;
// The same for the object that exports the ACF entry points.
extern "C" const ACFRegisterPluginProc* const g_exportedEntryPoints = &pForceReexportACFRegisterPlugin;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) Util::SetModuleInstance(instance);
    return TRUE;
}
