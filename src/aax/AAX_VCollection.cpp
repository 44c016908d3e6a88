#include "aax/AAX_VCollection.h"

AAX_VCollection::AAX_VCollection(IACFUnknown* host) noexcept
    : host_(host),
      collection_(ACFPtr<AAX_IACFCollection>::Create(host, AAXCompID_AAXCollection, IID_IAAXCollectionV1)),
      descriptionHost_(host) {}

AAX_IEffectDescriptor* AAX_VCollection::NewDescriptor() {
    descriptors_.push_back(std::make_unique<AAX_VEffectDescriptor>(host_));
    return descriptors_.back().get();
}

AAX_Result AAX_VCollection::AddEffect(const char* effectID, AAX_IEffectDescriptor* descriptor) {
    if (!collection_ || descriptor == nullptr) return AAX_ERROR_NULL_OBJECT;
    return collection_->AddEffect(effectID, descriptor->GetIUnknown());
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

AAX_IPropertyMap* AAX_VCollection::NewPropertyMap() {
    propertyMaps_.push_back(std::make_unique<AAX_VPropertyMap>(host_));
    return propertyMaps_.back().get();
}

AAX_Result AAX_VCollection::SetProperties(AAX_IPropertyMap* properties) {
    if (!collection_) return AAX_ERROR_NULL_OBJECT;
    return collection_->SetProperties(properties != nullptr ? properties->GetIUnknown() : nullptr);
}

const AAX_IDescriptionHost* AAX_VCollection::DescriptionHost() const {
    return descriptionHost_.Supported() ? &descriptionHost_ : nullptr;
}
