#pragma once
// AAX_VPropertyMap: AAX_IPropertyMap over the host's AAX_IACFPropertyMap. [ui-thread]

#include "aax/ACFPtr.h"
#include "aax/AAX_IACFPropertyMap.h"
#include "aax/AAX_IPropertyMap.h"

class AAX_VPropertyMap final : public AAX_IPropertyMap {
public:
    // Keeps the host's map; an empty one gives a map whose operations fail with
    // AAX_ERROR_NULL_OBJECT.
    explicit AAX_VPropertyMap(ACFPtr<AAX_IACFPropertyMap> map) noexcept;

    AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) override;
    AAX_IACFPropertyMap* HostPropertyMap() const override { return map_.Get(); }

private:
    ACFPtr<AAX_IACFPropertyMap> map_;
};
