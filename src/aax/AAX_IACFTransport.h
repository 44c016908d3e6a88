#pragma once
// AAX_IACFTransport: the host's transport, implemented by the host and reached by
// querying the controller for IID_IAAXTransportV1. A query the host cannot answer
// now returns a failing result and leaves its outputs alone. Positions in ticks count
// 960000 per quarter note; sample positions are on the session timeline.
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
    virtual AAX_Result IsTransportPlaying(AAX_CBoolean* outPlaying) noexcept = 0;
    virtual AAX_Result GetCurrentTickPosition(std::int64_t* outTicks) noexcept = 0;
    virtual AAX_Result GetCurrentLoopPosition(AAX_CBoolean* outLooping, std::int64_t* outStartTicks,
                                              std::int64_t* outEndTicks) noexcept = 0;
    // The sample position of the block being processed.
    virtual AAX_Result GetCurrentNativeSampleLocation(std::int64_t* outSamples) noexcept = 0;
    // Where the user's timeline selection starts, in samples.
    virtual AAX_Result GetTimelineSelectionStartPosition(std::int64_t* outSamples) noexcept = 0;
    // The session's time-code rate and its start offset, a count of frames of that rate.
    virtual AAX_Result GetTimeCodeInfo(AAX_EFrameRate* outFrameRate, std::int32_t* outOffsetFrames) noexcept = 0;

protected:
    ~AAX_IACFTransport() = default;
};

