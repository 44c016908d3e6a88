#include "aaxhost/HostDescriptionHost.h"

#include "aax/AAX_CatchAll.h"

namespace aaxhost {

AAX_Result HostFeatureInfo::SupportLevel(AAX_ESupportLevel* outSupportLevel) const noexcept {
    if (outSupportLevel == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outSupportLevel = level_;
    return AAX_SUCCESS;
}

AAX_Result HostFeatureInfo::AcquireProperties(IACFUnknown** outProperties) noexcept {
    if (outProperties == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outProperties = nullptr;
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result HostDescriptionHost::AcquireFeatureProperties(const AAX_Feature_UID& featureID,
                                                         IACFUnknown** outFeatureInfo) noexcept {
    if (outFeatureInfo == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outFeatureInfo = nullptr;
    static const acfUID* const kSupported[] = {&AAXATTR_ClientFeature_StemFormat, &AAXATTR_ClientFeature_AuxOutputStem,
                                               &AAXATTR_ClientFeature_SideChainInput, &AAXATTR_ClientFeature_MIDI};
    for (const acfUID* supported : kSupported) {
        if (*supported != featureID) continue;
        return AAX::CatchAll([&]() -> AAX_Result {
            *outFeatureInfo = (new HostFeatureInfo(AAX_eSupportLevel_Supported))->AsInterface();
            return AAX_SUCCESS;
        });
    }
    return AAX_ERROR_UNIMPLEMENTED;
}

}  // namespace aaxhost
