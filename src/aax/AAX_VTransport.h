#pragma once
// AAX_VTransport: AAX_ITransport over the host's AAX_IACFTransport, found by querying
// the instance's controller. Calls with a null out pointer fail with
// AAX_ERROR_NULL_ARGUMENT without reaching the host; every call fails with
// AAX_ERROR_NULL_OBJECT when the host offers no transport.

#include "aax/ACFPtr.h"
#include "aax/AAX_IACFTransport.h"
#include "aax/AAX_ITransport.h"

class AAX_VTransport final : public AAX_ITransport {
public:
    // `controller` is the IACFUnknown the host passed to Initialize (borrowed).
    explicit AAX_VTransport(IACFUnknown* controller) noexcept;

    bool IsValid() const noexcept { return static_cast<bool>(transport_); }

    AAX_Result GetCurrentTempo(double* outBeatsPerMinute) const override;
    AAX_Result GetCurrentMeter(std::int32_t* outNumerator, std::int32_t* outDenominator) const override;
    AAX_Result IsTransportPlaying(bool* outPlaying) const override;
    AAX_Result GetCurrentTickPosition(std::int64_t* outTicks) const override;
    AAX_Result GetCurrentLoopPosition(bool* outLooping, std::int64_t* outStartTicks,
                                      std::int64_t* outEndTicks) const override;
    AAX_Result GetCurrentNativeSampleLocation(std::int64_t* outSamples) const override;
    AAX_Result GetTimelineSelectionStartPosition(std::int64_t* outSamples) const override;
    AAX_Result GetTimeCodeInfo(AAX_EFrameRate* outFrameRate, std::int32_t* outOffsetFrames) const override;

private:
    ACFPtr<AAX_IACFTransport> transport_;
};
