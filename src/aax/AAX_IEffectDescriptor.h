#pragma once
// AAX_IEffectDescriptor: the module's view of one effect (see AAX_IACFEffectDescriptor).
// Owned by the collection that made it. [ui-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Callbacks.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_IComponentDescriptor.h"
#include "aax/AAX_IPropertyMap.h"

class AAX_IEffectDescriptor {
public:
    virtual ~AAX_IEffectDescriptor() = default;

    // A new component owned by this descriptor (valid as long as it is).
    virtual AAX_IComponentDescriptor* NewComponentDescriptor() = 0;
    // A null component or one without a host object gives the host's answer for null.
    virtual AAX_Result AddComponent(AAX_IComponentDescriptor* component) = 0;
    virtual AAX_Result AddName(const char* name) = 0;
    virtual AAX_Result AddCategory(std::uint32_t category) = 0;
    virtual AAX_Result AddCategoryBypassParameter(std::uint32_t category, AAX_CParamID parameterID) = 0;
    virtual AAX_Result AddProcPtr(AAX_CreateObjectProc proc, AAX_CProcPtrID procID) = 0;
    // A new property map owned by this descriptor (valid as long as it is).
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties(AAX_IPropertyMap* properties) = 0;
    virtual AAX_Result AddResourceInfo(AAX_EResourceType type, const char* info) = 0;
    // AAX_ERROR_UNIMPLEMENTED when the host has no version 2.
    virtual AAX_Result AddControlMIDINode(AAX_CTypeID nodeID, AAX_EMIDINodeType type, const char* name,
                                          std::uint32_t channelMask) = 0;
    // The host's effect behind this one (borrowed), null when there is none.
    virtual IACFUnknown* GetIUnknown() const = 0;
};
