#pragma once
// AAX_IPropertyMap: the module's view of a property list (see AAX_IACFPropertyMap).
// Owned by the wrapper that made it. [ui-thread]

#include "aax/AAX.h"
#include "aax/AAX_Enums.h"
#include "aax/acfunknown.h"

class AAX_IPropertyMap {
public:
    virtual ~AAX_IPropertyMap() = default;

    // 1 and the value in *outValue when the map holds `property`, else 0.
    virtual AAX_CBoolean GetProperty(AAX_EProperty property, AAX_CPropertyValue* outValue) const = 0;
    virtual AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) = 0;
    virtual AAX_Result RemoveProperty(AAX_EProperty property) = 0;
    // The host's map behind this one (borrowed, its newest version), null when there is none.
    virtual IACFUnknown* GetIUnknown() const = 0;
};
