#pragma once
// AAX_ITransport: the transport as a plain C++ object: the module's view of the host's
// transport (AAX_VTransport), and what a host's MIDI node hands out (GetTransport). Ticks
// are 960000 per quarter note; a query the host cannot answer fails and leaves its
// outputs alone. [any-thread], also [audio-thread]
//
// Not an ACF interface: the user borrows the object and never deletes it. Its published
// declaration has a virtual destructor, which MSVC (the hosts' compiler) turns into one
// slot, the scalar deleting destructor, where it is declared; GCC would make two. So
// slot 0 is declared as the method MSVC generates, and the destructor is not virtual.

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Enums.h"

class AAX_ITransport {
public:
    // Slot 0: MSVC's scalar deleting destructor. Destroys the object and, when bit 0 of
    // `flags` is set, frees it; returns the object's address. Only the owner calls it.
    virtual void* ScalarDeletingDestructor(unsigned int flags) noexcept = 0;

    virtual AAX_Result GetCurrentTempo(double* outBeatsPerMinute) const = 0;
    virtual AAX_Result GetCurrentMeter(std::int32_t* outNumerator, std::int32_t* outDenominator) const = 0;
    virtual AAX_Result IsTransportPlaying(bool* outPlaying) const = 0;
    virtual AAX_Result GetCurrentTickPosition(std::int64_t* outTicks) const = 0;
    virtual AAX_Result GetCurrentLoopPosition(bool* outLooping, std::int64_t* outStartTicks,
                                              std::int64_t* outEndTicks) const = 0;
    virtual AAX_Result GetCurrentNativeSampleLocation(std::int64_t* outSamples) const = 0;
    virtual AAX_Result GetCustomTickPosition(std::int64_t* outTicks, std::int64_t sampleLocation) const = 0;
    virtual AAX_Result GetBarBeatPosition(std::int32_t* outBars, std::int32_t* outBeats, std::int64_t* outDisplayTicks,
                                          std::int64_t sampleLocation) const = 0;
    virtual AAX_Result GetTicksPerQuarter(std::uint32_t* outTicks) const = 0;
    virtual AAX_Result GetCurrentTicksPerBeat(std::uint32_t* outTicks) const = 0;
    virtual AAX_Result GetTimelineSelectionStartPosition(std::int64_t* outSamples) const = 0;
    virtual AAX_Result GetTimeCodeInfo(AAX_EFrameRate* outFrameRate, std::int32_t* outOffsetFrames) const = 0;
    virtual AAX_Result GetFeetFramesInfo(AAX_EFeetFramesRate* outRate, std::int64_t* outOffset) const = 0;
    virtual AAX_Result IsMetronomeEnabled(std::int32_t* outEnabled) const = 0;
    virtual AAX_Result GetHDTimeCodeInfo(AAX_EFrameRate* outFrameRate, std::int64_t* outOffset) const = 0;
    virtual AAX_Result RequestTransportStart() = 0;
    virtual AAX_Result RequestTransportStop() = 0;
    virtual AAX_Result GetTimelineSelectionEndPosition(std::int64_t* outSamples) const = 0;
    virtual AAX_Result GetKeySignature(std::int64_t sampleLocation, std::uint32_t* outKeySignature) const = 0;

protected:
    AAX_ITransport() = default;
    AAX_ITransport(const AAX_ITransport&) = default;
    ~AAX_ITransport() = default;
};
