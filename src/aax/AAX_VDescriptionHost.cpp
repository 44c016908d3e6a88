#include "aax/AAX_VDescriptionHost.h"

#include "aax/AAX_IACFFeatureInfo.h"

AAX_VDescriptionHost::AAX_VDescriptionHost(IACFUnknown* host) noexcept
    : descriptionHost_(ACFPtr<AAX_IACFDescriptionHost>::Query(host, IID_IAAXDescriptionHostV1)),
      hostDefinition_(ACFPtr<IACFDefinition>::Query(host, IID_IACFDefinition)) {}

AAX_ESupportLevel AAX_VDescriptionHost::FeatureSupportLevel(const AAX_Feature_UID& featureID) const {
    AAX_ESupportLevel level = AAX_eSupportLevel_Uninitialized;
    if (!descriptionHost_) return level;
    IACFUnknown* acquired = nullptr;
    if (descriptionHost_->AcquireFeatureProperties(featureID, &acquired) != AAX_SUCCESS) return level;
    const ACFPtr<IACFUnknown> featureObject(acquired);
    const auto feature = ACFPtr<AAX_IACFFeatureInfo>::Query(featureObject.Get(), IID_IAAXFeatureInfoV1);
    if (!feature || feature->SupportLevel(&level) != AAX_SUCCESS) return AAX_eSupportLevel_Uninitialized;
    return level;
}
