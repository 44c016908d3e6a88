#include "util/ModuleInstance.h"

#include <windows.h>

#include <atomic>

namespace Util {
namespace {

std::atomic<void*> g_instance{nullptr};

void* ModuleContainingThisCode() noexcept {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ModuleContainingThisCode), &module);
    return module;
}

}  // namespace

void* ModuleInstance() noexcept {
    void* instance = g_instance.load(std::memory_order_acquire);
    return instance ? instance : ModuleContainingThisCode();
}

void SetModuleInstance(void* instance) noexcept { g_instance.store(instance, std::memory_order_release); }

}  // namespace Util
