#pragma once
// AAX_ITransport: the module's view of the host's transport (see AAX_IACFTransport:
// ticks are 960000 per quarter note; a query the host cannot answer fails and leaves
// its outputs alone). [any-thread], also [audio-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Enums.h"

class AAX_ITransport {
public:
    virtual ~AAX_ITransport() = default;

    virtual AAX_Result GetCurrentTempo(double* outBeatsPerMinute) const = 0;
    virtual AAX_Result GetCurrentMeter(std::int32_t* outNumerator, std::int32_t* outDenominator) const = 0;
    virtual AAX_Result IsTransportPlaying(bool* outPlaying) const = 0;
    virtual AAX_Result GetCurrentTickPosition(std::int64_t* outTicks) const = 0;
    virtual AAX_Result GetCurrentLoopPosition(bool* outLooping, std::int64_t* outStartTicks,
                                              std::int64_t* outEndTicks) const = 0;
    virtual AAX_Result GetCurrentNativeSampleLocation(std::int64_t* outSamples) const = 0;
    virtual AAX_Result GetTimelineSelectionStartPosition(std::int64_t* outSamples) const = 0;
    virtual AAX_Result GetTimeCodeInfo(AAX_EFrameRate* outFrameRate, std::int32_t* outOffsetFrames) const = 0;
};
