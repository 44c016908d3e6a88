#pragma once
// AAX_VPropertyMap: AAX_IPropertyMap over a property map the host's component factory
// makes (AAXCompID_AAXPropertyMap, queried for every version it offers). [ui-thread]

#include "aax/AAX_IACFPropertyMap.h"
#include "aax/AAX_IPropertyMap.h"
#include "aax/ACFPtr.h"

class AAX_VPropertyMap final : public AAX_IPropertyMap {
public:
    // `host` (borrowed) is the IACFUnknown the host passed to the entry point. Without a
    // factory or a map every operation fails with AAX_ERROR_NULL_OBJECT (0 for GetProperty).
    explicit AAX_VPropertyMap(IACFUnknown* host) noexcept;

    AAX_CBoolean GetProperty(AAX_EProperty property, AAX_CPropertyValue* outValue) const override;
    AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) override;
    AAX_Result RemoveProperty(AAX_EProperty property) override;
    IACFUnknown* GetIUnknown() const override;

private:
    ACFPtr<AAX_IACFPropertyMap> map_;
    ACFPtr<AAX_IACFPropertyMap_V2> mapV2_;
    ACFPtr<AAX_IACFPropertyMap_V3> mapV3_;
};
