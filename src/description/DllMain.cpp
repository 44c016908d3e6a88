// The hook module's library entry point: records the module instance handle (used for
// the module's resources and its editor window class) and always reports success.

#include <windows.h>

#include "util/ModuleInstance.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) Util::SetModuleInstance(instance);
    return TRUE;
}
