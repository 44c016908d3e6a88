#pragma once
// AAX_VTransport: AAX_ITransport over the host's transport, found by querying the
// instance's controller for every published version (IID_IAAXTransportV1..V5) and for
// transport control. A call reaches the oldest version that has it; when the host
// offers no such version the call fails with AAX_ERROR_NULL_OBJECT (V1 methods) or
// AAX_ERROR_UNIMPLEMENTED (later ones) without reaching the host. Null out pointers give
// AAX_ERROR_NULL_ARGUMENT. Owned by whoever made it (deleted normally, or through slot 0).

#include "aax/AAX_IACFTransport.h"
#include "aax/AAX_IACFTransportControl.h"
#include "aax/AAX_ITransport.h"
#include "aax/ACFPtr.h"

class AAX_VTransport final : public AAX_ITransport {
public:
    // `controller` is the IACFUnknown the host passed to Initialize (borrowed).
    explicit AAX_VTransport(IACFUnknown* controller) noexcept;
    ~AAX_VTransport() = default;
    AAX_VTransport(const AAX_VTransport&) = delete;
    AAX_VTransport& operator=(const AAX_VTransport&) = delete;

    bool IsValid() const noexcept { return static_cast<bool>(transport_); }

    // The host's own interfaces (null for a version the host lacks), for a caller that
    // reads the transport on every audio block and saves the second dispatch per value.
    AAX_IACFTransport* HostV1() const noexcept { return transport_.Get(); }
    AAX_IACFTransport_V2* HostV2() const noexcept { return transportV2_.Get(); }

    void* ScalarDeletingDestructor(unsigned int flags) noexcept override;
    AAX_Result GetCurrentTempo(double* outBeatsPerMinute) const override;
    AAX_Result GetCurrentMeter(std::int32_t* outNumerator, std::int32_t* outDenominator) const override;
    AAX_Result IsTransportPlaying(bool* outPlaying) const override;
    AAX_Result GetCurrentTickPosition(std::int64_t* outTicks) const override;
    AAX_Result GetCurrentLoopPosition(bool* outLooping, std::int64_t* outStartTicks,
                                      std::int64_t* outEndTicks) const override;
    AAX_Result GetCurrentNativeSampleLocation(std::int64_t* outSamples) const override;
    AAX_Result GetCustomTickPosition(std::int64_t* outTicks, std::int64_t sampleLocation) const override;
    AAX_Result GetBarBeatPosition(std::int32_t* outBars, std::int32_t* outBeats, std::int64_t* outDisplayTicks,
                                  std::int64_t sampleLocation) const override;
    AAX_Result GetTicksPerQuarter(std::uint32_t* outTicks) const override;
    AAX_Result GetCurrentTicksPerBeat(std::uint32_t* outTicks) const override;
    AAX_Result GetTimelineSelectionStartPosition(std::int64_t* outSamples) const override;
    AAX_Result GetTimeCodeInfo(AAX_EFrameRate* outFrameRate, std::int32_t* outOffsetFrames) const override;
    AAX_Result GetFeetFramesInfo(AAX_EFeetFramesRate* outRate, std::int64_t* outOffset) const override;
    AAX_Result IsMetronomeEnabled(std::int32_t* outEnabled) const override;
    AAX_Result GetHDTimeCodeInfo(AAX_EFrameRate* outFrameRate, std::int64_t* outOffset) const override;
    AAX_Result RequestTransportStart() override;
    AAX_Result RequestTransportStop() override;
    AAX_Result GetTimelineSelectionEndPosition(std::int64_t* outSamples) const override;
    AAX_Result GetKeySignature(std::int64_t sampleLocation, std::uint32_t* outKeySignature) const override;

private:
    ACFPtr<AAX_IACFTransport> transport_;
    ACFPtr<AAX_IACFTransport_V2> transportV2_;
    ACFPtr<AAX_IACFTransport_V3> transportV3_;
    ACFPtr<AAX_IACFTransport_V4> transportV4_;
    ACFPtr<AAX_IACFTransport_V5> transportV5_;
    ACFPtr<AAX_IACFTransportControl> control_;
};
