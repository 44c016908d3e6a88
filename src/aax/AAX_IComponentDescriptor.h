#pragma once
// AAX_IComponentDescriptor: the module's view of one component of an effect (see
// AAX_IACFComponentDescriptor for what each field holds). Owned by the effect
// descriptor that made it. [ui-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Callbacks.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_IPropertyMap.h"
#include "aax/AAX_StemFormat.h"

class AAX_IComponentDescriptor {
public:
    virtual ~AAX_IComponentDescriptor() = default;

    virtual AAX_Result Clear() = 0;
    virtual AAX_Result AddAudioIn(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddAudioOut(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddSampleRate(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddSideChainIn(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddAuxOutputStem(AAX_CFieldIndex audioOutField, AAX_EStemFormat stemFormat,
                                        const char* name) = 0;
    virtual AAX_Result AddPrivateData(AAX_CFieldIndex field, std::int32_t size, std::uint32_t options) = 0;
    virtual AAX_Result AddMIDINode(AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                                   std::uint32_t channelMask) = 0;
    // A new property map owned by this descriptor (valid as long as it is).
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    // `properties` may be null (no properties); the module has no init or background
    // procedure, and does not need the selector.
    virtual AAX_Result AddProcessProc_Native(AAX_CProcessProc processProc, AAX_IPropertyMap* properties) = 0;
    // The host's component behind this one (borrowed), null when there is none.
    virtual IACFUnknown* GetIUnknown() const = 0;
};
