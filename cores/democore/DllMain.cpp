// The demo core's library entry point: keeps the module handle for its window classes.
// It calls nothing else: the window classes are unregistered when the last editor
// closes (DemoEditor), not here under the loader lock.

#include <windows.h>

#include "DemoFault.h"
#include "ModuleHandle.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) {
        DemoCore::SetModuleHandle(instance);
        DisableThreadLibraryCalls(instance);
#if defined(LM_DEMOCORE_FAULTS) && LM_DEMOCORE_FAULTS && defined(LM_DEMOCORE_FAULT)
        // The LoadLeak fixture's fault (DemoFault.h): what a load takes and never gives back.
        if (DemoCore::Fault::LM_DEMOCORE_FAULT == DemoCore::Fault::LoadLeak) {
            TlsAlloc();
            CreateEventW(nullptr, TRUE, FALSE, nullptr);
            VirtualAlloc(nullptr, 64 * 1024, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        }
#endif
    }
    return TRUE;
}
