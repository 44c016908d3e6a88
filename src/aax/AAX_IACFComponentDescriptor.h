#pragma once
// AAX_IACFComponentDescriptor: one processing component of an effect, implemented by
// the host. The module declares the fields of the component's instance context (each
// an index into the context's pointer array, AAX_EContextField), its property map and
// its process procedure. Made by AAX_IACFEffectDescriptor::NewComponentDescriptor.
// Texts are borrowed for the call. [ui-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Callbacks.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_IACFPropertyMap.h"
#include "aax/AAX_StemFormat.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFComponentDescriptor : public IACFUnknown {
public:
    // Field: const float* const[], the input channels of the input stem format.
    virtual AAX_Result AddAudioIn(AAX_CFieldIndex field) noexcept = 0;
    // Field: float* const[], the output channels, followed by two per aux output stem.
    virtual AAX_Result AddAudioOut(AAX_CFieldIndex field) noexcept = 0;
    // Field: int32_t*, the block's sample count.
    virtual AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) noexcept = 0;
    // Field: a block of `size` bytes the host owns and fills once through the effect
    // parameters object's ResetFieldData; `options` is passed on as given.
    virtual AAX_Result AddPrivateData(AAX_CFieldIndex field, std::int32_t size, std::uint32_t options) noexcept = 0;
    // Field: int32_t*, the index of the side-chain buffer in the input array; null while
    // the host connects no side chain.
    virtual AAX_Result AddSideChainIn(AAX_CFieldIndex field) noexcept = 0;
    // An aux output stem whose channels follow the main outputs in the audio-out field.
    virtual AAX_Result AddAuxOutputStem(AAX_CFieldIndex audioOutField, AAX_EStemFormat stemFormat,
                                        const char* name) noexcept = 0;
    // Field: AAX_IMIDINode*, the node of that type; `channelMask` bit n = MIDI channel n+1.
    virtual AAX_Result AddMIDINode(AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                                   std::uint32_t channelMask) noexcept = 0;
    // A new, empty property map; an added reference, null on failure.
    virtual AAX_IACFPropertyMap* NewPropertyMap() noexcept = 0;
    // The realtime process procedure with the properties it runs under (borrowed; the
    // host copies what it keeps).
    virtual AAX_Result AddProcessProc_Native(AAX_CProcessProc processProc, AAX_IACFPropertyMap* properties) noexcept = 0;

protected:
    ~AAX_IACFComponentDescriptor() = default;
};

