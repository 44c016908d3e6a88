#pragma once
// AAX_IDescriptionHost: the module's view of what the host tells it while it describes
// itself (see AAX_IACFDescriptionHost). Owned by the collection. [ui-thread]

#include "aax/AAX.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_IACFDescriptionHost.h"

class AAX_IDescriptionHost {
public:
    virtual ~AAX_IDescriptionHost() = default;

    // How far the host supports `featureID` (an AAXATTR_ClientFeature_... ID);
    // AAX_eSupportLevel_Uninitialized when the host says nothing about it.
    virtual AAX_ESupportLevel FeatureSupportLevel(const AAX_Feature_UID& featureID) const = 0;
};
