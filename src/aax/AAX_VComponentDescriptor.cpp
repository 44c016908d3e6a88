#include "aax/AAX_VComponentDescriptor.h"

AAX_VComponentDescriptor::AAX_VComponentDescriptor(IACFUnknown* host) noexcept
    : host_(host),
      component_(ACFPtr<AAX_IACFComponentDescriptor>::Create(host, AAXCompID_AAXComponentDescriptor,
                                                             IID_IAAXComponentDescriptorV1)),
      componentV2_(ACFPtr<AAX_IACFComponentDescriptor_V2>::Query(component_.Get(), IID_IAAXComponentDescriptorV2)),
      componentV3_(ACFPtr<AAX_IACFComponentDescriptor_V3>::Query(component_.Get(), IID_IAAXComponentDescriptorV3)) {}

AAX_Result AAX_VComponentDescriptor::Clear() { return component_ ? component_->Clear() : AAX_ERROR_NULL_OBJECT; }

AAX_Result AAX_VComponentDescriptor::AddAudioIn(AAX_CFieldIndex field) {
    return component_ ? component_->AddAudioIn(field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioOut(AAX_CFieldIndex field) {
    return component_ ? component_->AddAudioOut(field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioBufferLength(AAX_CFieldIndex field) {
    return component_ ? component_->AddAudioBufferLength(field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddSampleRate(AAX_CFieldIndex field) {
    return component_ ? component_->AddSampleRate(field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddSideChainIn(AAX_CFieldIndex field) {
    return component_ ? component_->AddSideChainIn(field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAuxOutputStem(AAX_CFieldIndex audioOutField, AAX_EStemFormat stemFormat,
                                                      const char* name) {
    return component_ ? component_->AddAuxOutputStem(audioOutField, stemFormat, name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddPrivateData(AAX_CFieldIndex field, std::int32_t size, std::uint32_t options) {
    return component_ ? component_->AddPrivateData(field, size, options) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddMIDINode(AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                                                 std::uint32_t channelMask) {
    return component_ ? component_->AddMIDINode(field, type, name, channelMask) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap() {
    propertyMaps_.push_back(std::make_unique<AAX_VPropertyMap>(host_));
    return propertyMaps_.back().get();
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_Native(AAX_CProcessProc processProc, AAX_IPropertyMap* properties) {
    if (!component_) return AAX_ERROR_NULL_OBJECT;
    return component_->AddProcessProc_Native(processProc, properties != nullptr ? properties->GetIUnknown() : nullptr,
                                             nullptr, nullptr, nullptr);
}
