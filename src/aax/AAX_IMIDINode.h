#pragma once
// AAX_IMIDINode: a MIDI node of one instance, implemented by the host. The instance
// context holds a borrowed pointer to it in each MIDI field (AAX_eContextField_MIDIIn
// and the others); the render procedure uses it during the call only.
//
// Not an ACF interface: a plain C++ object the host owns. Its published declaration has
// a virtual destructor, which MSVC (the hosts' compiler) turns into one slot, the scalar
// deleting destructor, where it is declared; GCC would make two. So slot 0 is declared
// as the method MSVC generates, and the destructor is not virtual. [audio-thread]

#include "aax/AAX.h"
#include "aax/AAX_ITransport.h"
#include "aax/AAX_MIDI.h"

class AAX_IMIDINode {
public:
    // Slot 0: MSVC's scalar deleting destructor. Only the host (the owner) calls it.
    virtual void* ScalarDeletingDestructor(unsigned int flags) noexcept = 0;
    // The packets that arrived for this block; owned by the host, valid until the
    // process call returns. Never null for an input node.
    virtual AAX_CMidiStream* GetNodeBuffer() noexcept = 0;
    // Sends one packet out of an output node; the host copies it.
    virtual AAX_Result PostMIDIPacket(AAX_CMidiPacket* packet) noexcept = 0;
    // The host's transport as seen from this node (owned by the host; may be null).
    virtual AAX_ITransport* GetTransport() noexcept = 0;

protected:
    AAX_IMIDINode() = default;
    AAX_IMIDINode(const AAX_IMIDINode&) = default;
    ~AAX_IMIDINode() = default;
};
