#pragma once
// The demo core's own module handle (an HINSTANCE), recorded at process attach; its
// window classes are registered for it. [any-thread] after attach.

namespace DemoCore {

void SetModuleHandle(void* module) noexcept;
void* ModuleHandle() noexcept;

}  // namespace DemoCore
