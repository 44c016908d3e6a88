#pragma once
// HostDescriptionHost: what this host tells a module while it describes itself
// (AAX_CompID_DescriptionHost, also answered on the IACFUnknown passed to
// ACFRegisterPlugin). The host supports the client features it can run: stem formats,
// aux output stems, side-chain input and MIDI; every other feature is unknown to it
// (AAX_ERROR_UNIMPLEMENTED, null). Each answer is a HostFeatureInfo without properties.
// [ui-thread]

#include "aax/AAX_IACFDescriptionHost.h"
#include "aax/AAX_IACFFeatureInfo.h"
#include "aaxhost/HostObject.h"

namespace aaxhost {

class HostFeatureInfo final : public HostObject<AAX_IACFFeatureInfo, IID_IAAXFeatureInfoV1> {
public:
    explicit HostFeatureInfo(AAX_ESupportLevel level) noexcept : level_(level) {}

    AAX_Result SupportLevel(AAX_ESupportLevel* outSupportLevel) const noexcept override;
    // No feature here has properties: null and AAX_ERROR_UNIMPLEMENTED.
    AAX_Result AcquireProperties(IACFUnknown** outProperties) noexcept override;

private:
    AAX_ESupportLevel level_;
};

class HostDescriptionHost final : public HostObject<AAX_IACFDescriptionHost, IID_IAAXDescriptionHostV1> {
public:
    AAX_Result AcquireFeatureProperties(const AAX_Feature_UID& featureID,
                                        IACFUnknown** outFeatureInfo) noexcept override;
};

}  // namespace aaxhost
