#pragma once
// AAX_IACFPropertyMap: a component's property list, implemented by the host. The host
// keeps the properties in the order they were added; adding an ID again replaces its
// value. Made by AAX_IACFComponentDescriptor::NewPropertyMap. [ui-thread]

#include "aax/AAX.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFPropertyMap : public IACFUnknown {
public:
    virtual AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) noexcept = 0;

protected:
    ~AAX_IACFPropertyMap() = default;
};

