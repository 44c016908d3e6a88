#include "aaxhost/RecordingEffectDescriptor.h"

#include <utility>

#include "aax/AAX_CatchAll.h"
#include "aaxhost/RecordingComponentDescriptor.h"

namespace aaxhost {

void RecordingEffectDescriptor::Note(const std::string& call) noexcept {
    try {
        description_.calls.push_back(call);
    } catch (...) {
        // Out of memory: the call goes unrecorded; the module's call itself still succeeds.
    }
}

AAX_Result RecordingEffectDescriptor::AddName(const char* name) noexcept {
    Note("AddName");
    if (name == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result {
        description_.names.emplace_back(name);
        return AAX_SUCCESS;
    });
}

AAX_Result RecordingEffectDescriptor::AddCategory(std::uint32_t category) noexcept {
    Note("AddCategory");
    return AAX::CatchAll([&]() -> AAX_Result {
        description_.categories.push_back(category);
        return AAX_SUCCESS;
    });
}

AAX_Result RecordingEffectDescriptor::AddProcPtr(void* proc, AAX_CProcPtrID procID) noexcept {
    return AAX::CatchAll([&]() -> AAX_Result {
        Note("AddProcPtr " + std::to_string(procID));
        if (proc == nullptr) return AAX_ERROR_NULL_ARGUMENT;
        // Every factory arrives as a void*; the procedure ID says what it makes.
        description_.procPtrs.push_back({reinterpret_cast<AAX_CreateObjectProc>(proc), procID});
        return AAX_SUCCESS;
    });
}

AAX_Result RecordingEffectDescriptor::AddResourceInfo(AAX_EResourceType type, const char* info) noexcept {
    Note("AddResourceInfo");
    if (info == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result {
        description_.resources.push_back({type, info});
        return AAX_SUCCESS;
    });
}

AAX_Result RecordingEffectDescriptor::AddComponent(IACFUnknown* component) noexcept {
    Note("AddComponent");
    const RecordingComponentDescriptor* own = FindOwn<RecordingComponentDescriptor>(component);
    if (own == nullptr) return AAX_ERROR_NULL_OBJECT;
    return AAX::CatchAll([&]() -> AAX_Result {
        description_.components.push_back(own->Description());
        return AAX_SUCCESS;
    });
}

AAX_Result RecordingEffectDescriptor::AddCategoryBypassParameter(std::uint32_t, AAX_CParamID) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result RecordingEffectDescriptor::SetProperties(IACFUnknown*) noexcept { return AAX_ERROR_UNIMPLEMENTED; }

AAX_Result RecordingEffectDescriptor::AddMeterDescription(AAX_CTypeID, const char*, IACFUnknown*) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result RecordingEffectDescriptor::AddControlMIDINode(AAX_CTypeID, AAX_EMIDINodeType, const char*,
                                                         std::uint32_t) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

}  // namespace aaxhost
