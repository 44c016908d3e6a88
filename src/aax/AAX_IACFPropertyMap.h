#pragma once
// AAX_IACFPropertyMap (IID_IAAXPropertyMapV1 .. V3): a list of properties, implemented by
// the host and made by the host's component factory (AAXCompID_AAXPropertyMap). The
// module fills one and hands it to AddProcessProc_Native or SetProperties, which copy
// what they keep. Adding an ID again replaces its value. [ui-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFPropertyMap : public IACFUnknown {
public:
    // 1 and the value in *outValue when the map holds `property`, else 0.
    virtual AAX_CBoolean GetProperty(AAX_EProperty property, AAX_CPropertyValue* outValue) const noexcept = 0;
    virtual AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) noexcept = 0;
    virtual AAX_Result RemoveProperty(AAX_EProperty property) noexcept = 0;

protected:
    ~AAX_IACFPropertyMap() = default;
};

class AAX_IACFPropertyMap_V2 : public AAX_IACFPropertyMap {
public:
    // A property whose value is a list of plug-in types (`count` triads, copied).
    virtual AAX_Result AddPropertyWithIDArray(AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                              std::uint32_t count) noexcept = 0;
    // The list stored under `property` (owned by the map) and its length; 0 when absent.
    virtual AAX_CBoolean GetPropertyWithIDArray(AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outPluginIDs,
                                                std::uint32_t* outCount) const noexcept = 0;

protected:
    ~AAX_IACFPropertyMap_V2() = default;
};

class AAX_IACFPropertyMap_V3 : public AAX_IACFPropertyMap_V2 {
public:
    // 64-bit values: the way pointers are stored on x64.
    virtual AAX_CBoolean GetProperty64(AAX_EProperty property, AAX_CPropertyValue64* outValue) const noexcept = 0;
    virtual AAX_Result AddProperty64(AAX_EProperty property, AAX_CPropertyValue64 value) noexcept = 0;

protected:
    ~AAX_IACFPropertyMap_V3() = default;
};
