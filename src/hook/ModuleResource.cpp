#include "hook/ModuleResource.h"

#include <windows.h>

ModuleResource FindModuleResource(void* module, const char* type, const char* name) {
    ModuleResource result;
    const HMODULE handle = static_cast<HMODULE>(module);
    const HRSRC info = FindResourceA(handle, name, type);
    if (info == nullptr) {
        result.lastError = GetLastError();
        return result;
    }
    result.size = SizeofResource(handle, info);
    if (result.size == 0) {
        result.status = ModuleResource::Status::Empty;
        result.lastError = GetLastError();
        return result;
    }
    const HGLOBAL loaded = LoadResource(handle, info);
    if (loaded == nullptr) {
        result.status = ModuleResource::Status::LoadFailed;
        result.lastError = GetLastError();
        return result;
    }
    const void* bytes = LockResource(loaded);
    result.lastError = GetLastError();
    if (bytes == nullptr) {
        result.status = ModuleResource::Status::LockFailed;
        return result;
    }
    result.status = ModuleResource::Status::Found;
    result.data = static_cast<const unsigned char*>(bytes);
    return result;
}
