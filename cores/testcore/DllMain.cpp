// The test core's library entry point: counts loads and unloads in process environment
// variables, which outlive the core itself, so a test can see the hook unload it.

#include <windows.h>

#include <cwchar>

#include "TestCoreControl.h"

namespace {

void Increment(const wchar_t* variable) {
    wchar_t text[16];
    std::swprintf(text, 16, L"%u", TestCore_ReadCount(variable) + 1);
    SetEnvironmentVariableW(variable, text);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE /*instance*/, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) Increment(TESTCORE_LOADS_VARIABLE);
    if (reason == DLL_PROCESS_DETACH) Increment(TESTCORE_UNLOADS_VARIABLE);
    return TRUE;
}
