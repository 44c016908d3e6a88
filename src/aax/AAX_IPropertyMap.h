#pragma once
// AAX_IPropertyMap: the module's view of a component's property list (see
// AAX_IACFPropertyMap). Owned by the component descriptor that made it. [ui-thread]

#include "aax/AAX.h"
#include "aax/AAX_Enums.h"

class AAX_IACFPropertyMap;

class AAX_IPropertyMap {
public:
    virtual ~AAX_IPropertyMap() = default;

    virtual AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) = 0;
    // The host's map behind this one (borrowed), null when there is none.
    virtual AAX_IACFPropertyMap* HostPropertyMap() const = 0;
};
