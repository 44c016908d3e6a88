#pragma once
// AAX_IACFCollection (IID_IAAXCollectionV1): the package description the host collects
// at registration, implemented by the host and made by its component factory
// (AAXCompID_AAXCollection) from the IACFUnknown passed to ACFRegisterPlugin. It is
// the host's IACFPluginDefinition too, so its own methods follow IACFDefinition's and
// IACFPluginDefinition's; ACFRegisterPlugin hands it back queried for
// IID_IACFPluginDefinition. Texts are borrowed for the call. [ui-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfbaseapi.h"
#include "aax/acfunknown.h"

class AAX_IACFCollection : public IACFPluginDefinition {
public:
    // Registers the effect (an AAX_IACFEffectDescriptor) as it stands now under its
    // identifier.
    virtual AAX_Result AddEffect(const char* effectID, IACFUnknown* effectDescriptor) noexcept = 0;
    virtual AAX_Result SetManufacturerName(const char* name) noexcept = 0;
    // Package names from longest to shortest, in the order added.
    virtual AAX_Result AddPackageName(const char* name) noexcept = 0;
    virtual AAX_Result SetPackageVersion(std::uint32_t version) noexcept = 0;
    // Package-wide properties (an AAX_IACFPropertyMap).
    virtual AAX_Result SetProperties(IACFUnknown* properties) noexcept = 0;

protected:
    ~AAX_IACFCollection() = default;
};
