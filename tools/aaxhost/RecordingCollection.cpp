#include "aaxhost/RecordingCollection.h"

#include <utility>

namespace aaxhost {

void RecordingCollection::Note(const char* call) noexcept {
    try {
        description_.calls.emplace_back(call);
    } catch (...) {
    }
}

AAX_IACFEffectDescriptor* RecordingCollection::NewDescriptor() noexcept {
    Note("NewDescriptor");
    try {
        ACFPtr<RecordingEffectDescriptor> descriptor = MakeHostObject<RecordingEffectDescriptor>();
        AAX_IACFEffectDescriptor* handedOut = descriptor->AsInterface();
        handedOut->AddRef();  // the module's reference; the collection keeps its own
        descriptors_.push_back(std::move(descriptor));
        return handedOut;
    } catch (...) {
        return nullptr;
    }
}

AAX_Result RecordingCollection::AddEffect(const char* effectID, AAX_IACFEffectDescriptor* descriptor) noexcept {
    Note("AddEffect");
    if (effectID == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    if (descriptor == nullptr) return AAX_ERROR_NULL_OBJECT;
    try {
        for (const auto& own : descriptors_) {
            if (own.Get() == descriptor) {
                EffectDescription effect = own->Description();
                effect.identifier = effectID;
                description_.effects.push_back(std::move(effect));
                return AAX_SUCCESS;
            }
        }
        return AAX_ERROR_NULL_OBJECT;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

AAX_Result RecordingCollection::SetManufacturerName(const char* name) noexcept {
    Note("SetManufacturerName");
    if (name == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    try {
        description_.manufacturerName = std::string(name);
        return AAX_SUCCESS;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

AAX_Result RecordingCollection::AddPackageName(const char* name) noexcept {
    Note("AddPackageName");
    if (name == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    try {
        description_.packageNames.emplace_back(name);
        return AAX_SUCCESS;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

AAX_Result RecordingCollection::SetPackageVersion(std::uint32_t version) noexcept {
    Note("SetPackageVersion");
    description_.packageVersion = version;
    return AAX_SUCCESS;
}

}  // namespace aaxhost
