#pragma once
// RecordingEffectDescriptor: the host's descriptor of one effect. It records names,
// categories, factories, resources and, at AddComponent, a copy of the component as it
// stands then. A null text or factory is refused with AAX_ERROR_NULL_ARGUMENT and a
// component this descriptor did not make with AAX_ERROR_NULL_OBJECT; neither is
// recorded. Made by RecordingCollection::NewDescriptor. [ui-thread]

#include <vector>

#include "aax/AAX_IACFEffectDescriptor.h"
#include "aaxhost/HostObject.h"
#include "aaxhost/PackageDescription.h"
#include "aaxhost/RecordingComponentDescriptor.h"

namespace aaxhost {

class RecordingEffectDescriptor final : public HostObject<AAX_IACFEffectDescriptor, IID_IAAXEffectDescriptorV1> {
public:
    AAX_Result AddName(const char* name) noexcept override;
    AAX_Result AddCategory(std::uint32_t category) noexcept override;
    AAX_Result AddProcPtr(AAX_CreateObjectProc proc, AAX_CProcPtrID procID) noexcept override;
    AAX_Result AddResourceInfo(AAX_EResourceType type, const char* info) noexcept override;
    AAX_IACFComponentDescriptor* NewComponentDescriptor() noexcept override;
    AAX_Result AddComponent(AAX_IACFComponentDescriptor* component) noexcept override;

    // The effect as described so far; its identifier is empty until AddEffect.
    const EffectDescription& Description() const noexcept { return description_; }

private:
    void Note(const std::string& call) noexcept;

    EffectDescription description_;
    std::vector<ACFPtr<RecordingComponentDescriptor>> components_;  // the components this effect made
};

}  // namespace aaxhost
