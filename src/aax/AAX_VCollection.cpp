#include "aax/AAX_VCollection.h"

#include <utility>

AAX_VCollection::AAX_VCollection(IACFUnknown* host) noexcept
    : collection_(ACFPtr<AAX_IACFCollection>::Query(host, IID_IAAXCollectionV1)) {}

AAX_IEffectDescriptor* AAX_VCollection::NewDescriptor() {
    if (!collection_) return nullptr;
    ACFPtr<AAX_IACFEffectDescriptor> hostDescriptor(collection_->NewDescriptor());
    if (!hostDescriptor) return nullptr;
    auto descriptor = std::make_unique<AAX_VEffectDescriptor>(std::move(hostDescriptor));
    descriptors_.push_back(std::move(descriptor));
    return descriptors_.back().get();
}

AAX_Result AAX_VCollection::AddEffect(const char* effectID, AAX_IEffectDescriptor* descriptor) {
    if (!collection_ || descriptor == nullptr || descriptor->HostEffectDescriptor() == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return collection_->AddEffect(effectID, descriptor->HostEffectDescriptor());
}

AAX_Result AAX_VCollection::SetManufacturerName(const char* name) {
    return collection_ ? collection_->SetManufacturerName(name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::AddPackageName(const char* name) {
    return collection_ ? collection_->AddPackageName(name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::SetPackageVersion(std::uint32_t version) {
    return collection_ ? collection_->SetPackageVersion(version) : AAX_ERROR_NULL_OBJECT;
}
