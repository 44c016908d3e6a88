#pragma once
// AAX_IEffectDescriptor: the module's view of one effect (see AAX_IACFEffectDescriptor).
// Owned by the collection that made it. [ui-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Callbacks.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_IComponentDescriptor.h"

class AAX_IACFEffectDescriptor;

class AAX_IEffectDescriptor {
public:
    virtual ~AAX_IEffectDescriptor() = default;

    virtual AAX_Result AddName(const char* name) = 0;
    virtual AAX_Result AddCategory(std::uint32_t category) = 0;
    virtual AAX_Result AddProcPtr(AAX_CreateObjectProc proc, AAX_CProcPtrID procID) = 0;
    virtual AAX_Result AddResourceInfo(AAX_EResourceType type, const char* info) = 0;
    // A new component owned by this descriptor (valid as long as it is); null when the
    // host makes none.
    virtual AAX_IComponentDescriptor* NewComponentDescriptor() = 0;
    // A null component or one without a host object gives AAX_ERROR_NULL_OBJECT.
    virtual AAX_Result AddComponent(AAX_IComponentDescriptor* component) = 0;
    // The host's effect behind this one (borrowed), null when there is none.
    virtual AAX_IACFEffectDescriptor* HostEffectDescriptor() const = 0;
};
