#pragma once
// RecordingEffectDescriptor: the host's descriptor of one effect
// (AAXCompID_AAXEffectDescriptor, versions 1 and 2). It records names, categories,
// factories, resources and, at AddComponent, a copy of the component as it stands then.
// A null text or factory is refused with AAX_ERROR_NULL_ARGUMENT and a component this
// host did not make with AAX_ERROR_NULL_OBJECT; neither is recorded. What this host does
// not model (bypass parameters, effect properties, meters, control MIDI nodes) is
// refused with AAX_ERROR_UNIMPLEMENTED. [ui-thread]

#include <string>

#include "aax/AAX_IACFEffectDescriptor.h"
#include "aaxhost/OwnObject.h"
#include "aaxhost/PackageDescription.h"

namespace aaxhost {

class RecordingEffectDescriptor final : public OwnObject<RecordingEffectDescriptor, AAX_IACFEffectDescriptor_V2,
                                                         IID_IAAXEffectDescriptorV1, IID_IAAXEffectDescriptorV2> {
public:
    static constexpr acfIID kOwnIID = {0x6C9A1E03, 0x4B7D, 0x4E55, {0x9A, 0x61, 0x2F, 0x0B, 0x58, 0x31, 0xA4, 0x03}};

    AAX_Result AddComponent(IACFUnknown* component) noexcept override;
    AAX_Result AddName(const char* name) noexcept override;
    AAX_Result AddCategory(std::uint32_t category) noexcept override;
    AAX_Result AddCategoryBypassParameter(std::uint32_t category, AAX_CParamID parameterID) noexcept override;
    AAX_Result AddProcPtr(void* proc, AAX_CProcPtrID procID) noexcept override;
    AAX_Result SetProperties(IACFUnknown* properties) noexcept override;
    AAX_Result AddResourceInfo(AAX_EResourceType type, const char* info) noexcept override;
    AAX_Result AddMeterDescription(AAX_CTypeID meterID, const char* name, IACFUnknown* properties) noexcept override;
    AAX_Result AddControlMIDINode(AAX_CTypeID nodeID, AAX_EMIDINodeType type, const char* name,
                                  std::uint32_t channelMask) noexcept override;

    // The effect as described so far; its identifier is empty until AddEffect.
    const EffectDescription& Description() const noexcept { return description_; }

private:
    void Note(const std::string& call) noexcept;

    EffectDescription description_;
};

}  // namespace aaxhost
