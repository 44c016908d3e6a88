#include "aax/AAX_VEffectDescriptor.h"

#include <utility>

AAX_VEffectDescriptor::AAX_VEffectDescriptor(ACFPtr<AAX_IACFEffectDescriptor> descriptor) noexcept
    : descriptor_(std::move(descriptor)) {}

AAX_Result AAX_VEffectDescriptor::AddName(const char* name) {
    return descriptor_ ? descriptor_->AddName(name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddCategory(std::uint32_t category) {
    return descriptor_ ? descriptor_->AddCategory(category) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddProcPtr(AAX_CreateObjectProc proc, AAX_CProcPtrID procID) {
    return descriptor_ ? descriptor_->AddProcPtr(proc, procID) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddResourceInfo(AAX_EResourceType type, const char* info) {
    return descriptor_ ? descriptor_->AddResourceInfo(type, info) : AAX_ERROR_NULL_OBJECT;
}

AAX_IComponentDescriptor* AAX_VEffectDescriptor::NewComponentDescriptor() {
    if (!descriptor_) return nullptr;
    ACFPtr<AAX_IACFComponentDescriptor> hostComponent(descriptor_->NewComponentDescriptor());
    if (!hostComponent) return nullptr;
    auto component = std::make_unique<AAX_VComponentDescriptor>(std::move(hostComponent));
    components_.push_back(std::move(component));
    return components_.back().get();
}

AAX_Result AAX_VEffectDescriptor::AddComponent(AAX_IComponentDescriptor* component) {
    if (!descriptor_ || component == nullptr || component->HostComponentDescriptor() == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return descriptor_->AddComponent(component->HostComponentDescriptor());
}
