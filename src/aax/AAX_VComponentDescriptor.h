#pragma once
// AAX_VComponentDescriptor: AAX_IComponentDescriptor over a component descriptor the
// host's component factory makes (AAXCompID_AAXComponentDescriptor, version 1 made,
// versions 2 and 3 queried); keeps the property maps it made. [ui-thread]

#include <memory>
#include <vector>

#include "aax/AAX_IACFComponentDescriptor.h"
#include "aax/AAX_IComponentDescriptor.h"
#include "aax/AAX_VPropertyMap.h"
#include "aax/ACFPtr.h"

class AAX_VComponentDescriptor final : public AAX_IComponentDescriptor {
public:
    // `host` (borrowed) is the IACFUnknown the host passed to ACFRegisterPlugin. Without
    // a host component every operation fails with AAX_ERROR_NULL_OBJECT.
    explicit AAX_VComponentDescriptor(IACFUnknown* host) noexcept;

    AAX_Result Clear() override;
    AAX_Result AddAudioIn(AAX_CFieldIndex field) override;
    AAX_Result AddAudioOut(AAX_CFieldIndex field) override;
    AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) override;
    AAX_Result AddSampleRate(AAX_CFieldIndex field) override;
    AAX_Result AddSideChainIn(AAX_CFieldIndex field) override;
    AAX_Result AddAuxOutputStem(AAX_CFieldIndex audioOutField, AAX_EStemFormat stemFormat, const char* name) override;
    AAX_Result AddPrivateData(AAX_CFieldIndex field, std::int32_t size, std::uint32_t options) override;
    AAX_Result AddMIDINode(AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                           std::uint32_t channelMask) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result AddProcessProc_Native(AAX_CProcessProc processProc, AAX_IPropertyMap* properties) override;
    IACFUnknown* GetIUnknown() const override { return component_.Get(); }

private:
    IACFUnknown* host_;
    ACFPtr<AAX_IACFComponentDescriptor> component_;
    ACFPtr<AAX_IACFComponentDescriptor_V2> componentV2_;
    ACFPtr<AAX_IACFComponentDescriptor_V3> componentV3_;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> propertyMaps_;
};
