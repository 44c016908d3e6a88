#pragma once
// AAX_VComponentDescriptor: AAX_IComponentDescriptor over the host's
// AAX_IACFComponentDescriptor; keeps the property maps it made. [ui-thread]

#include <memory>
#include <vector>

#include "aax/ACFPtr.h"
#include "aax/AAX_IACFComponentDescriptor.h"
#include "aax/AAX_IComponentDescriptor.h"
#include "aax/AAX_VPropertyMap.h"

class AAX_VComponentDescriptor final : public AAX_IComponentDescriptor {
public:
    // Keeps the host's component; with an empty one every operation fails with
    // AAX_ERROR_NULL_OBJECT.
    explicit AAX_VComponentDescriptor(ACFPtr<AAX_IACFComponentDescriptor> component) noexcept;

    AAX_Result AddAudioIn(AAX_CFieldIndex field) override;
    AAX_Result AddAudioOut(AAX_CFieldIndex field) override;
    AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) override;
    AAX_Result AddPrivateData(AAX_CFieldIndex field, std::int32_t size, std::uint32_t options) override;
    AAX_Result AddSideChainIn(AAX_CFieldIndex field) override;
    AAX_Result AddAuxOutputStem(AAX_CFieldIndex audioOutField, AAX_EStemFormat stemFormat, const char* name) override;
    AAX_Result AddMIDINode(AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                           std::uint32_t channelMask) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result AddProcessProc_Native(AAX_CProcessProc processProc, AAX_IPropertyMap* properties) override;
    AAX_IACFComponentDescriptor* HostComponentDescriptor() const override { return component_.Get(); }

private:
    ACFPtr<AAX_IACFComponentDescriptor> component_;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> propertyMaps_;
};
