#pragma once
// RecordingCollection: the host's collection for ACFRegisterPlugin. It is the
// IACFUnknown the host passes as `host` (it answers IID_IAAXCollectionV1 itself),
// and it records the package and, at AddEffect, a copy of each effect as it stands then
// (PackageDescription.h). A null text is refused with AAX_ERROR_NULL_ARGUMENT and an
// effect descriptor this collection did not make with AAX_ERROR_NULL_OBJECT; neither
// is recorded. The descriptors it made live as long as the collection. [ui-thread]

#include <vector>

#include "aax/AAX_IACFCollection.h"
#include "aaxhost/HostObject.h"
#include "aaxhost/PackageDescription.h"
#include "aaxhost/RecordingEffectDescriptor.h"

namespace aaxhost {

class RecordingCollection final : public HostObject<AAX_IACFCollection, IID_IAAXCollectionV1> {
public:
    AAX_IACFEffectDescriptor* NewDescriptor() noexcept override;
    AAX_Result AddEffect(const char* effectID, AAX_IACFEffectDescriptor* descriptor) noexcept override;
    AAX_Result SetManufacturerName(const char* name) noexcept override;
    AAX_Result AddPackageName(const char* name) noexcept override;
    AAX_Result SetPackageVersion(std::uint32_t version) noexcept override;

    const PackageDescription& Description() const noexcept { return description_; }

private:
    void Note(const char* call) noexcept;

    PackageDescription description_;
    std::vector<ACFPtr<RecordingEffectDescriptor>> descriptors_;  // the descriptors this collection made
};

}  // namespace aaxhost
