#pragma once
// AAX_IACFDescriptionHost (IID_IAAXDescriptionHostV1): what the host tells a plug-in
// while it describes itself, reached by querying the IACFUnknown passed to
// ACFRegisterPlugin. [ui-thread]

#include "aax/AAX.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

// A feature a plug-in may ask the host about (AAXATTR_ClientFeature_...).
using AAX_Feature_UID = acfUID;

class AAX_IACFDescriptionHost : public IACFUnknown {
public:
    // An added reference to the host's AAX_IACFFeatureInfo for `featureID` in
    // *outFeatureInfo; null and a failure when the host knows nothing of it.
    virtual AAX_Result AcquireFeatureProperties(const AAX_Feature_UID& featureID,
                                                IACFUnknown** outFeatureInfo) noexcept = 0;

protected:
    ~AAX_IACFDescriptionHost() = default;
};
