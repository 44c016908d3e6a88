#include "ModuleHandle.h"

#include <atomic>

namespace DemoCore {
namespace {

std::atomic<void*> theModule{nullptr};

}  // namespace

void SetModuleHandle(void* module) noexcept { theModule.store(module); }
void* ModuleHandle() noexcept { return theModule.load(); }

}  // namespace DemoCore
