#pragma once
// AAX_IACFEffectDescriptor (IID_IAAXEffectDescriptorV1, V2): one effect of the package,
// implemented by the host and made by its component factory
// (AAXCompID_AAXEffectDescriptor): names, categories, factories, resources and
// components. The module hands it to AAX_IACFCollection::AddEffect when it is complete.
// Texts are borrowed for the call; components and property maps are copied.
// [ui-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Callbacks.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFEffectDescriptor : public IACFUnknown {
public:
    // An AAX_IACFComponentDescriptor, as it stands now.
    virtual AAX_Result AddComponent(IACFUnknown* component) noexcept = 0;
    // Names from longest to shortest, in the order added.
    virtual AAX_Result AddName(const char* name) noexcept = 0;
    // One category bit per call.
    virtual AAX_Result AddCategory(std::uint32_t category) noexcept = 0;
    virtual AAX_Result AddCategoryBypassParameter(std::uint32_t category, AAX_CParamID parameterID) noexcept = 0;
    // A factory (an AAX_CreateObjectProc) for the object kind `procID` names.
    virtual AAX_Result AddProcPtr(void* proc, AAX_CProcPtrID procID) noexcept = 0;
    // Effect-wide properties (an AAX_IACFPropertyMap).
    virtual AAX_Result SetProperties(IACFUnknown* properties) noexcept = 0;
    // A resource file of the package, by type.
    virtual AAX_Result AddResourceInfo(AAX_EResourceType type, const char* info) noexcept = 0;
    virtual AAX_Result AddMeterDescription(AAX_CTypeID meterID, const char* name, IACFUnknown* properties) noexcept = 0;

protected:
    ~AAX_IACFEffectDescriptor() = default;
};

class AAX_IACFEffectDescriptor_V2 : public AAX_IACFEffectDescriptor {
public:
    // A MIDI node that feeds the effect parameters object rather than the process procedure.
    virtual AAX_Result AddControlMIDINode(AAX_CTypeID nodeID, AAX_EMIDINodeType type, const char* name,
                                          std::uint32_t channelMask) noexcept = 0;

protected:
    ~AAX_IACFEffectDescriptor_V2() = default;
};
