#pragma once
// AAX_IACFCollection: the package description the host collects at registration,
// implemented by the host. ACFRegisterPlugin queries the host's IACFUnknown for it,
// describes the package and its effects into it, and hands it back to the host through
// its out parameter. Texts are borrowed for the call. [ui-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_IACFEffectDescriptor.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFCollection : public IACFUnknown {
public:
    // A new, empty effect; an added reference, null on failure.
    virtual AAX_IACFEffectDescriptor* NewDescriptor() noexcept = 0;
    // Registers the effect as it stands now under its identifier (borrowed).
    virtual AAX_Result AddEffect(const char* effectID, AAX_IACFEffectDescriptor* descriptor) noexcept = 0;
    virtual AAX_Result SetManufacturerName(const char* name) noexcept = 0;
    // Package names from longest to shortest, in the order added.
    virtual AAX_Result AddPackageName(const char* name) noexcept = 0;
    virtual AAX_Result SetPackageVersion(std::uint32_t version) noexcept = 0;

protected:
    ~AAX_IACFCollection() = default;
};

