#pragma once
// Looks up a resource by narrow (ANSI) type and name in a module, with no language
// asked for. The bytes belong to the module's image and stay valid while it is loaded.
// [any-thread]

#include <cstddef>
#include <cstdint>

struct ModuleResource {
    enum class Status { Found, NotFound, Empty, LoadFailed, LockFailed };

    Status status = Status::NotFound;
    const unsigned char* data = nullptr;  // set only when Found
    std::size_t size = 0;
    std::uint32_t lastError = 0;  // the thread's last-error code right after the lookup
};

// `module` is an HMODULE; null means the process's executable.
ModuleResource FindModuleResource(void* module, const char* type, const char* name);
