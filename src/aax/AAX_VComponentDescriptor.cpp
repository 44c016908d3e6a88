#include "aax/AAX_VComponentDescriptor.h"

#include <utility>

AAX_VComponentDescriptor::AAX_VComponentDescriptor(ACFPtr<AAX_IACFComponentDescriptor> component) noexcept
    : component_(std::move(component)) {}

AAX_Result AAX_VComponentDescriptor::AddAudioIn(AAX_CFieldIndex field) {
    return component_ ? component_->AddAudioIn(field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioOut(AAX_CFieldIndex field) {
    return component_ ? component_->AddAudioOut(field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioBufferLength(AAX_CFieldIndex field) {
    return component_ ? component_->AddAudioBufferLength(field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddPrivateData(AAX_CFieldIndex field, std::int32_t size, std::uint32_t options) {
    return component_ ? component_->AddPrivateData(field, size, options) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddSideChainIn(AAX_CFieldIndex field) {
    return component_ ? component_->AddSideChainIn(field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAuxOutputStem(AAX_CFieldIndex audioOutField, AAX_EStemFormat stemFormat,
                                                      const char* name) {
    return component_ ? component_->AddAuxOutputStem(audioOutField, stemFormat, name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddMIDINode(AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                                                 std::uint32_t channelMask) {
    return component_ ? component_->AddMIDINode(field, type, name, channelMask) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap() {
    if (!component_) return nullptr;
    ACFPtr<AAX_IACFPropertyMap> hostMap(component_->NewPropertyMap());
    if (!hostMap) return nullptr;
    auto map = std::make_unique<AAX_VPropertyMap>(std::move(hostMap));
    propertyMaps_.push_back(std::move(map));
    return propertyMaps_.back().get();
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_Native(AAX_CProcessProc processProc, AAX_IPropertyMap* properties) {
    if (!component_) return AAX_ERROR_NULL_OBJECT;
    return component_->AddProcessProc_Native(processProc, properties != nullptr ? properties->HostPropertyMap() : nullptr);
}
