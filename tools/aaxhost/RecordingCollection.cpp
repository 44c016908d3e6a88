#include "aaxhost/RecordingCollection.h"

#include <utility>

#include "aax/AAX_CatchAll.h"
#include "aaxhost/RecordingEffectDescriptor.h"

namespace aaxhost {

void RecordingCollection::Note(const char* call) noexcept {
    try {
        description_.calls.emplace_back(call);
    } catch (...) {
        // Out of memory: the call goes unrecorded; the module's call itself still succeeds.
    }
}

acfResult RecordingCollection::DefineAttribute(const acfUID&, const acfUID&, const void*, std::uint32_t) noexcept {
    return ACF_E_NOTIMPL;
}

acfResult RecordingCollection::GetAttributeInfo(const acfUID&, acfUID* outTypeID, std::uint32_t* outSize) noexcept {
    if (outTypeID != nullptr) *outTypeID = acfUID_NULL;
    if (outSize != nullptr) *outSize = 0;
    return ACF_E_NOTIMPL;
}

acfResult RecordingCollection::CopyAttribute(const acfUID&, const acfUID&, void*, std::uint32_t) noexcept {
    return ACF_E_NOTIMPL;
}

acfResult RecordingCollection::InitializePlugin(const acfUID&, std::uint32_t, std::uint32_t, const acfWChar*,
                                                const acfUID&, const acfWChar*, std::uint32_t, acfBool) noexcept {
    return ACF_E_NOTIMPL;
}

AAX_Result RecordingCollection::AddEffect(const char* effectID, IACFUnknown* effectDescriptor) noexcept {
    Note("AddEffect");
    if (effectID == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const RecordingEffectDescriptor* own = FindOwn<RecordingEffectDescriptor>(effectDescriptor);
    if (own == nullptr) return AAX_ERROR_NULL_OBJECT;
    return AAX::CatchAll([&]() -> AAX_Result {
        EffectDescription effect = own->Description();
        effect.identifier = effectID;
        description_.effects.push_back(std::move(effect));
        return AAX_SUCCESS;
    });
}

AAX_Result RecordingCollection::SetManufacturerName(const char* name) noexcept {
    Note("SetManufacturerName");
    if (name == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result {
        description_.manufacturerName = std::string(name);
        return AAX_SUCCESS;
    });
}

AAX_Result RecordingCollection::AddPackageName(const char* name) noexcept {
    Note("AddPackageName");
    if (name == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result {
        description_.packageNames.emplace_back(name);
        return AAX_SUCCESS;
    });
}

AAX_Result RecordingCollection::SetPackageVersion(std::uint32_t version) noexcept {
    Note("SetPackageVersion");
    description_.packageVersion = version;
    return AAX_SUCCESS;
}

AAX_Result RecordingCollection::SetProperties(IACFUnknown*) noexcept {
    Note("SetProperties");
    return AAX_ERROR_UNIMPLEMENTED;
}

}  // namespace aaxhost
