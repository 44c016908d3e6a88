#pragma once
// AAX_IACFFeatureInfo (IID_IAAXFeatureInfoV1): what a host says about one feature it may
// support (a client feature of AAX_UIDs.h), handed out by the description host.
// [ui-thread]

#include "aax/AAX.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFFeatureInfo : public IACFUnknown {
public:
    virtual AAX_Result SupportLevel(AAX_ESupportLevel* outSupportLevel) const noexcept = 0;
    // The feature's own properties as an AAX_IACFPropertyMap (an added reference), or null.
    virtual AAX_Result AcquireProperties(IACFUnknown** outProperties) noexcept = 0;

protected:
    ~AAX_IACFFeatureInfo() = default;
};
