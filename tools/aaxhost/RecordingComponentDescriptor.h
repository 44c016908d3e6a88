#pragma once
// RecordingComponentDescriptor: the host's component descriptor. Every declaration is
// recorded in order as the module makes it, whatever its field index: the instance
// context (InstanceContext.h) decides which layouts it can build. A null text or a null
// process procedure is refused with AAX_ERROR_NULL_ARGUMENT and not recorded; a
// property map this component did not make is refused with AAX_ERROR_NULL_OBJECT.
// Made by RecordingEffectDescriptor::NewComponentDescriptor. [ui-thread]

#include <vector>

#include "aax/AAX_IACFComponentDescriptor.h"
#include "aaxhost/HostObject.h"
#include "aaxhost/PackageDescription.h"
#include "aaxhost/RecordingPropertyMap.h"

namespace aaxhost {

class RecordingComponentDescriptor final
    : public HostObject<AAX_IACFComponentDescriptor, IID_IAAXComponentDescriptorV1> {
public:
    AAX_Result AddAudioIn(AAX_CFieldIndex field) noexcept override;
    AAX_Result AddAudioOut(AAX_CFieldIndex field) noexcept override;
    AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) noexcept override;
    AAX_Result AddPrivateData(AAX_CFieldIndex field, std::int32_t size, std::uint32_t options) noexcept override;
    AAX_Result AddSideChainIn(AAX_CFieldIndex field) noexcept override;
    AAX_Result AddAuxOutputStem(AAX_CFieldIndex audioOutField, AAX_EStemFormat stemFormat,
                                const char* name) noexcept override;
    AAX_Result AddMIDINode(AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                           std::uint32_t channelMask) noexcept override;
    AAX_IACFPropertyMap* NewPropertyMap() noexcept override;
    AAX_Result AddProcessProc_Native(AAX_CProcessProc processProc, AAX_IACFPropertyMap* properties) noexcept override;

    // The component as declared so far.
    const ComponentDescription& Description() const noexcept { return description_; }

private:
    AAX_Result Record(const FieldDeclaration& field) noexcept;

    ComponentDescription description_;
    std::vector<ACFPtr<RecordingPropertyMap>> maps_;  // the maps this component made
};

}  // namespace aaxhost
