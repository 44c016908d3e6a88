#pragma once
// AAX_VEffectDescriptor: AAX_IEffectDescriptor over an effect descriptor the host's
// component factory makes (AAXCompID_AAXEffectDescriptor, version 1 made, version 2
// queried); keeps the components and property maps it made. [ui-thread]

#include <memory>
#include <vector>

#include "aax/AAX_IACFEffectDescriptor.h"
#include "aax/AAX_IEffectDescriptor.h"
#include "aax/AAX_VComponentDescriptor.h"
#include "aax/AAX_VPropertyMap.h"
#include "aax/ACFPtr.h"

class AAX_VEffectDescriptor final : public AAX_IEffectDescriptor {
public:
    // `host` (borrowed) is the IACFUnknown the host passed to ACFRegisterPlugin. Without
    // a host effect every operation fails with AAX_ERROR_NULL_OBJECT.
    explicit AAX_VEffectDescriptor(IACFUnknown* host) noexcept;

    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    AAX_Result AddComponent(AAX_IComponentDescriptor* component) override;
    AAX_Result AddName(const char* name) override;
    AAX_Result AddCategory(std::uint32_t category) override;
    AAX_Result AddCategoryBypassParameter(std::uint32_t category, AAX_CParamID parameterID) override;
    AAX_Result AddProcPtr(AAX_CreateObjectProc proc, AAX_CProcPtrID procID) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties(AAX_IPropertyMap* properties) override;
    AAX_Result AddResourceInfo(AAX_EResourceType type, const char* info) override;
    AAX_Result AddControlMIDINode(AAX_CTypeID nodeID, AAX_EMIDINodeType type, const char* name,
                                  std::uint32_t channelMask) override;
    IACFUnknown* GetIUnknown() const override { return descriptor_.Get(); }

private:
    IACFUnknown* host_;
    ACFPtr<AAX_IACFEffectDescriptor> descriptor_;
    ACFPtr<AAX_IACFEffectDescriptor_V2> descriptorV2_;
    std::vector<std::unique_ptr<AAX_VComponentDescriptor>> components_;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> propertyMaps_;
};
