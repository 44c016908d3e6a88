#pragma once
// AAX_ICollection: the module's view of the package description it gives the host at
// registration (see AAX_IACFCollection). The description routine receives it and
// describes the package and every effect into it. [ui-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_IDescriptionHost.h"
#include "aax/AAX_IEffectDescriptor.h"
#include "aax/AAX_IPropertyMap.h"

class AAX_ICollection {
public:
    virtual ~AAX_ICollection() = default;

    // A new effect owned by this collection (valid as long as it is).
    virtual AAX_IEffectDescriptor* NewDescriptor() = 0;
    // A null descriptor or one without a host object gives AAX_ERROR_NULL_OBJECT.
    virtual AAX_Result AddEffect(const char* effectID, AAX_IEffectDescriptor* descriptor) = 0;
    virtual AAX_Result SetManufacturerName(const char* name) = 0;
    virtual AAX_Result AddPackageName(const char* name) = 0;
    virtual AAX_Result SetPackageVersion(std::uint32_t version) = 0;
    // A new property map owned by this collection (valid as long as it is).
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties(AAX_IPropertyMap* properties) = 0;
    // The host's description host (owned by this collection), null when it offers none.
    virtual const AAX_IDescriptionHost* DescriptionHost() const = 0;
};
