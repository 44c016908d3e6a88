// The demo core's library entry point: keeps the module handle for its window classes.
// It calls nothing else: the window classes are unregistered when the last editor
// closes (DemoEditor), not here under the loader lock.

#include <windows.h>

#include "ModuleHandle.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) {
        DemoCore::SetModuleHandle(instance);
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
