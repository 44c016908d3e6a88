#pragma once
// AAX_IACFEffectDescriptor: one effect of the package, implemented by the host: names,
// categories, factories, resources and components. Made by
// AAX_IACFCollection::NewDescriptor. Texts are borrowed for the call. [ui-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Callbacks.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_IACFComponentDescriptor.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFEffectDescriptor : public IACFUnknown {
public:
    // Names from longest to shortest, in the order added.
    virtual AAX_Result AddName(const char* name) noexcept = 0;
    // One category bit per call.
    virtual AAX_Result AddCategory(std::uint32_t category) noexcept = 0;
    // A factory for the object kind `procID` names (AAX_EProcPtrID).
    virtual AAX_Result AddProcPtr(AAX_CreateObjectProc proc, AAX_CProcPtrID procID) noexcept = 0;
    // A resource file of the package, by type.
    virtual AAX_Result AddResourceInfo(AAX_EResourceType type, const char* info) noexcept = 0;
    // A new, empty component; an added reference, null on failure.
    virtual AAX_IACFComponentDescriptor* NewComponentDescriptor() noexcept = 0;
    // Adds the component as it stands now (borrowed; the host copies or AddRefs it).
    virtual AAX_Result AddComponent(AAX_IACFComponentDescriptor* component) noexcept = 0;

protected:
    ~AAX_IACFEffectDescriptor() = default;
};

