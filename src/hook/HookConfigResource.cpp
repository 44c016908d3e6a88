#include "hook/HookConfigResource.h"

#include <cstring>

#include "util/FatalError.h"

namespace {

constexpr const char* kHookResourceType = "LMHOOK";
// The configuration text must fit, with its NUL, the 1024-byte fields of core requests.
constexpr std::size_t kMaxConfigLength = 1023;

}  // namespace

Util::String ReadHookConfigResource(void* module) {
    return HookConfigFromResource(FindModuleResource(module, kHookResourceType, "CONFIG"));
}

Util::String HookConfigFromResource(const ModuleResource& resource) {
    switch (resource.status) {
    case ModuleResource::Status::NotFound:
    case ModuleResource::Status::Empty: return Util::String("");
    case ModuleResource::Status::LoadFailed:
        Util::ShowFatalError(Util::kFatalErrorTitle, "Can't load hook config resource");
        return Util::String();
    case ModuleResource::Status::LockFailed:
        Util::ShowFatalError(Util::kFatalErrorTitle, "Can't lock hook config resource");
        return Util::String();
    case ModuleResource::Status::Found: break;
    }
    if (resource.data == nullptr || resource.size == 0) return Util::String("");

    const char* text = reinterpret_cast<const char*>(resource.data);
    const std::size_t length = strnlen(text, resource.size);
    if (resource.data[resource.size - 1] != 0 || length > kMaxConfigLength) {
        Util::ShowFatalError(Util::kFatalErrorTitle, "Invalid hook config resource");
        return Util::String();
    }
    return Util::String(text, length);
}

Util::String ReadShortNameResource(void* module) {
    const ModuleResource resource = FindModuleResource(module, kHookResourceType, "SHORTNAME");
    if (resource.status != ModuleResource::Status::Found) return Util::String("");
    const char* text = reinterpret_cast<const char*>(resource.data);
    return Util::String(text, strnlen(text, resource.size));
}

Util::String ReadHookShortName() {
    // Thread-safe static initialisation: concurrent first calls read the resource once.
    // The module instance is the module that holds this code.
    static const Util::String shortName = ReadShortNameResource(Util::ModuleInstance());
    return shortName.IsEmpty() ? Util::String() : shortName;
}
