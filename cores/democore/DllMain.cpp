// The demo core's library entry point: keeps the module handle for its window classes
// and unregisters them when the core is unloaded.

#include <windows.h>

#include "DemoEditor.h"
#include "ModuleHandle.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        DemoCore::SetModuleHandle(instance);
        DisableThreadLibraryCalls(instance);
    }
    // Unloaded while the process goes on (FreeLibrary): no window of ours is left, as
    // every instance closed its editor, so the classes can go and a later load of the
    // core registers them afresh.
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) DemoCore::DemoEditor::UnregisterClasses();
    return TRUE;
}
