#include "aaxhost/RecordingEffectDescriptor.h"

#include <utility>

namespace aaxhost {

void RecordingEffectDescriptor::Note(const std::string& call) noexcept {
    try {
        description_.calls.push_back(call);
    } catch (...) {
    }
}

AAX_Result RecordingEffectDescriptor::AddName(const char* name) noexcept {
    Note("AddName");
    if (name == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    try {
        description_.names.emplace_back(name);
        return AAX_SUCCESS;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

AAX_Result RecordingEffectDescriptor::AddCategory(std::uint32_t category) noexcept {
    Note("AddCategory");
    try {
        description_.categories.push_back(category);
        return AAX_SUCCESS;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

AAX_Result RecordingEffectDescriptor::AddProcPtr(AAX_CreateObjectProc proc, AAX_CProcPtrID procID) noexcept {
    try {
        Note("AddProcPtr " + std::to_string(procID));
        if (proc == nullptr) return AAX_ERROR_NULL_ARGUMENT;
        description_.procPtrs.push_back({proc, procID});
        return AAX_SUCCESS;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

AAX_Result RecordingEffectDescriptor::AddResourceInfo(AAX_EResourceType type, const char* info) noexcept {
    Note("AddResourceInfo");
    if (info == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    try {
        description_.resources.push_back({type, info});
        return AAX_SUCCESS;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

AAX_IACFComponentDescriptor* RecordingEffectDescriptor::NewComponentDescriptor() noexcept {
    Note("NewComponentDescriptor");
    try {
        ACFPtr<RecordingComponentDescriptor> component = MakeHostObject<RecordingComponentDescriptor>();
        AAX_IACFComponentDescriptor* handedOut = component->AsInterface();
        handedOut->AddRef();  // the module's reference; the effect keeps its own
        components_.push_back(std::move(component));
        return handedOut;
    } catch (...) {
        return nullptr;
    }
}

AAX_Result RecordingEffectDescriptor::AddComponent(AAX_IACFComponentDescriptor* component) noexcept {
    Note("AddComponent");
    if (component == nullptr) return AAX_ERROR_NULL_OBJECT;
    try {
        for (const auto& own : components_) {
            if (own.Get() == component) {
                description_.components.push_back(own->Description());
                return AAX_SUCCESS;
            }
        }
        return AAX_ERROR_NULL_OBJECT;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

}  // namespace aaxhost
