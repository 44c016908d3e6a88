#pragma once
// The module instance handle: recorded by the hook module's DllMain at process attach
// and used for the module's own resources and its editor window class. Code linked
// into another binary (the tests) gets the binary that contains this code.
// [any-thread]; written once at process attach, before any other call.

namespace Util {

// The handle as an HMODULE / HINSTANCE, kept opaque so that callers need no windows.h.
void* ModuleInstance() noexcept;
void SetModuleInstance(void* instance) noexcept;

}  // namespace Util
