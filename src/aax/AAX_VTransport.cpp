#include "aax/AAX_VTransport.h"

AAX_VTransport::AAX_VTransport(IACFUnknown* controller) noexcept
    : transport_(ACFPtr<AAX_IACFTransport>::Query(controller, IID_IAAXTransportV1)) {}

AAX_Result AAX_VTransport::GetCurrentTempo(double* outBeatsPerMinute) const {
    if (outBeatsPerMinute == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return transport_ ? transport_->GetCurrentTempo(outBeatsPerMinute) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentMeter(std::int32_t* outNumerator, std::int32_t* outDenominator) const {
    if (outNumerator == nullptr || outDenominator == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return transport_ ? transport_->GetCurrentMeter(outNumerator, outDenominator) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::IsTransportPlaying(bool* outPlaying) const {
    if (outPlaying == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    if (!transport_) return AAX_ERROR_NULL_OBJECT;
    AAX_CBoolean playing = 0;
    const AAX_Result result = transport_->IsTransportPlaying(&playing);
    if (result == AAX_SUCCESS) *outPlaying = playing != 0;
    return result;
}

AAX_Result AAX_VTransport::GetCurrentTickPosition(std::int64_t* outTicks) const {
    if (outTicks == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return transport_ ? transport_->GetCurrentTickPosition(outTicks) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentLoopPosition(bool* outLooping, std::int64_t* outStartTicks,
                                                  std::int64_t* outEndTicks) const {
    if (outLooping == nullptr || outStartTicks == nullptr || outEndTicks == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    if (!transport_) return AAX_ERROR_NULL_OBJECT;
    AAX_CBoolean looping = 0;
    const AAX_Result result = transport_->GetCurrentLoopPosition(&looping, outStartTicks, outEndTicks);
    if (result == AAX_SUCCESS) *outLooping = looping != 0;
    return result;
}

AAX_Result AAX_VTransport::GetCurrentNativeSampleLocation(std::int64_t* outSamples) const {
    if (outSamples == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return transport_ ? transport_->GetCurrentNativeSampleLocation(outSamples) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetTimelineSelectionStartPosition(std::int64_t* outSamples) const {
    if (outSamples == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return transport_ ? transport_->GetTimelineSelectionStartPosition(outSamples) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetTimeCodeInfo(AAX_EFrameRate* outFrameRate, std::int32_t* outOffsetFrames) const {
    if (outFrameRate == nullptr || outOffsetFrames == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return transport_ ? transport_->GetTimeCodeInfo(outFrameRate, outOffsetFrames) : AAX_ERROR_NULL_OBJECT;
}
