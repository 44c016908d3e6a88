#pragma once
// AAX_IACFTransport (and _V2 to _V5): the host's transport, implemented by the host and
// reached by querying the instance's controller for IID_IAAXTransportV1..V5. Each
// version extends the one before; the slot order is the host's. A query the host cannot
// answer now returns a failing result and leaves its outputs alone. Positions in ticks
// count 960000 per quarter note; sample positions are on the session timeline.
// [any-thread], also [audio-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFTransport : public IACFUnknown {
public:
    virtual AAX_Result GetCurrentTempo(double* outBeatsPerMinute) noexcept = 0;
    virtual AAX_Result GetCurrentMeter(std::int32_t* outNumerator, std::int32_t* outDenominator) noexcept = 0;
    virtual AAX_Result IsTransportPlaying(bool* outPlaying) noexcept = 0;
    virtual AAX_Result GetCurrentTickPosition(std::int64_t* outTicks) noexcept = 0;
    virtual AAX_Result GetCurrentLoopPosition(bool* outLooping, std::int64_t* outStartTicks,
                                              std::int64_t* outEndTicks) noexcept = 0;
    // The sample position of the block being processed.
    virtual AAX_Result GetCurrentNativeSampleLocation(std::int64_t* outSamples) noexcept = 0;
    // The tick position of any sample position.
    virtual AAX_Result GetCustomTickPosition(std::int64_t* outTicks, std::int64_t sampleLocation) noexcept = 0;
    // Bars, beats and display ticks of a sample position.
    virtual AAX_Result GetBarBeatPosition(std::int32_t* outBars, std::int32_t* outBeats, std::int64_t* outDisplayTicks,
                                          std::int64_t sampleLocation) noexcept = 0;
    virtual AAX_Result GetTicksPerQuarter(std::uint32_t* outTicks) noexcept = 0;
    virtual AAX_Result GetCurrentTicksPerBeat(std::uint32_t* outTicks) noexcept = 0;

protected:
    ~AAX_IACFTransport() = default;
};

class AAX_IACFTransport_V2 : public AAX_IACFTransport {
public:
    // Where the user's timeline selection starts, in samples.
    virtual AAX_Result GetTimelineSelectionStartPosition(std::int64_t* outSamples) noexcept = 0;
    // The session's time-code rate and its start offset, a count of frames of that rate.
    virtual AAX_Result GetTimeCodeInfo(AAX_EFrameRate* outFrameRate, std::int32_t* outOffsetFrames) noexcept = 0;
    // The session's feet+frames rate and its start offset in samples.
    virtual AAX_Result GetFeetFramesInfo(AAX_EFeetFramesRate* outRate, std::int64_t* outOffset) noexcept = 0;
    virtual AAX_Result IsMetronomeEnabled(std::int32_t* outEnabled) noexcept = 0;

protected:
    ~AAX_IACFTransport_V2() = default;
};

class AAX_IACFTransport_V3 : public AAX_IACFTransport_V2 {
public:
    // Time code at high resolution: the rate and the start offset in samples.
    virtual AAX_Result GetHDTimeCodeInfo(AAX_EFrameRate* outFrameRate, std::int64_t* outOffset) noexcept = 0;

protected:
    ~AAX_IACFTransport_V3() = default;
};

class AAX_IACFTransport_V4 : public AAX_IACFTransport_V3 {
public:
    virtual AAX_Result GetTimelineSelectionEndPosition(std::int64_t* outSamples) noexcept = 0;

protected:
    ~AAX_IACFTransport_V4() = default;
};

class AAX_IACFTransport_V5 : public AAX_IACFTransport_V4 {
public:
    // The key signature in effect at a sample position (the host's packed form).
    virtual AAX_Result GetKeySignature(std::int64_t sampleLocation, std::uint32_t* outKeySignature) noexcept = 0;

protected:
    ~AAX_IACFTransport_V5() = default;
};
