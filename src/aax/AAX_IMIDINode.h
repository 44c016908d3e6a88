#pragma once
// AAX_IMIDINode: a MIDI node of one instance, implemented by the host. The instance
// context holds a borrowed pointer to it in each MIDI field (AAX_eContextField_MIDIIn
// and the others); the render procedure uses it without AddRef during the call.

#include "aax/AAX_MIDI.h"
#include "aax/acfunknown.h"

class AAX_IMIDINode : public IACFUnknown {
public:
    // The packets that arrived for this block; owned by the host, valid until the
    // process call returns. Never null for an input node. [audio-thread]
    virtual AAX_CMidiStream* GetNodeBuffer() noexcept = 0;

protected:
    ~AAX_IMIDINode() = default;
};

inline constexpr acfIID IID_AAX_IMIDINode = {0xE6DD7105, 0xA58D, 0x4125, {0xAE, 0xCF, 0xFC, 0x26, 0xA5, 0x70, 0x4A, 0x24}};
