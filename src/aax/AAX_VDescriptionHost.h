#pragma once
// AAX_VDescriptionHost: AAX_IDescriptionHost over the host's description host, which it
// finds by querying the IACFUnknown passed to ACFRegisterPlugin (with the host's own
// definition, IACFDefinition, beside it); the answer for one feature comes through the
// host's AAX_IACFFeatureInfo. [ui-thread]

#include "aax/AAX_IACFDescriptionHost.h"
#include "aax/AAX_IDescriptionHost.h"
#include "aax/ACFPtr.h"
#include "aax/acfbaseapi.h"

class AAX_VDescriptionHost final : public AAX_IDescriptionHost {
public:
    // `host` is borrowed.
    explicit AAX_VDescriptionHost(IACFUnknown* host) noexcept;

    // The host offers a description host.
    bool Supported() const noexcept { return static_cast<bool>(descriptionHost_); }
    // The host's own attributes (borrowed), null when it offers none.
    IACFDefinition* HostDefinition() const noexcept { return hostDefinition_.Get(); }

    AAX_ESupportLevel FeatureSupportLevel(const AAX_Feature_UID& featureID) const override;

private:
    ACFPtr<AAX_IACFDescriptionHost> descriptionHost_;
    ACFPtr<IACFDefinition> hostDefinition_;
};
