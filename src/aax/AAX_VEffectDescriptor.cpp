#include "aax/AAX_VEffectDescriptor.h"

AAX_VEffectDescriptor::AAX_VEffectDescriptor(IACFUnknown* host) noexcept
    : host_(host),
      descriptor_(
          ACFPtr<AAX_IACFEffectDescriptor>::Create(host, AAXCompID_AAXEffectDescriptor, IID_IAAXEffectDescriptorV1)),
      descriptorV2_(ACFPtr<AAX_IACFEffectDescriptor_V2>::Query(descriptor_.Get(), IID_IAAXEffectDescriptorV2)) {}

AAX_IComponentDescriptor* AAX_VEffectDescriptor::NewComponentDescriptor() {
    components_.push_back(std::make_unique<AAX_VComponentDescriptor>(host_));
    return components_.back().get();
}

AAX_Result AAX_VEffectDescriptor::AddComponent(AAX_IComponentDescriptor* component) {
    if (!descriptor_) return AAX_ERROR_NULL_OBJECT;
    return descriptor_->AddComponent(component != nullptr ? component->GetIUnknown() : nullptr);
}

AAX_Result AAX_VEffectDescriptor::AddName(const char* name) {
    return descriptor_ ? descriptor_->AddName(name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddCategory(std::uint32_t category) {
    return descriptor_ ? descriptor_->AddCategory(category) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddCategoryBypassParameter(std::uint32_t category, AAX_CParamID parameterID) {
    return descriptor_ ? descriptor_->AddCategoryBypassParameter(category, parameterID) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddProcPtr(AAX_CreateObjectProc proc, AAX_CProcPtrID procID) {
    // The host takes every factory as a void*, whatever object it makes.
    return descriptor_ ? descriptor_->AddProcPtr(reinterpret_cast<void*>(proc), procID) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VEffectDescriptor::NewPropertyMap() {
    propertyMaps_.push_back(std::make_unique<AAX_VPropertyMap>(host_));
    return propertyMaps_.back().get();
}

AAX_Result AAX_VEffectDescriptor::SetProperties(AAX_IPropertyMap* properties) {
    if (!descriptor_) return AAX_ERROR_NULL_OBJECT;
    return descriptor_->SetProperties(properties != nullptr ? properties->GetIUnknown() : nullptr);
}

AAX_Result AAX_VEffectDescriptor::AddResourceInfo(AAX_EResourceType type, const char* info) {
    return descriptor_ ? descriptor_->AddResourceInfo(type, info) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddControlMIDINode(AAX_CTypeID nodeID, AAX_EMIDINodeType type, const char* name,
                                                     std::uint32_t channelMask) {
    if (!descriptorV2_) return AAX_ERROR_UNIMPLEMENTED;
    return descriptorV2_->AddControlMIDINode(nodeID, type, name, channelMask);
}
