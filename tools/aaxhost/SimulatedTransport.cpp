#include "aaxhost/SimulatedTransport.h"

namespace aaxhost {

SimulatedTransport::SimulatedTransport(const TransportState& state) : state_(state) {}

TransportState SimulatedTransport::State() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return state_;
}

void SimulatedTransport::SetState(const TransportState& state) {
    std::lock_guard<std::mutex> lock(mutex_);
    state_ = state;
}

AAX_Result SimulatedTransport::GetCurrentTempo(double* outBeatsPerMinute) noexcept {
    if (outBeatsPerMinute == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.tempo) return AAX_ERROR_UNIMPLEMENTED;
    *outBeatsPerMinute = *state_.tempo;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetCurrentMeter(std::int32_t* outNumerator, std::int32_t* outDenominator) noexcept {
    if (outNumerator == nullptr || outDenominator == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.meter) return AAX_ERROR_UNIMPLEMENTED;
    *outNumerator = state_.meter->numerator;
    *outDenominator = state_.meter->denominator;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::IsTransportPlaying(AAX_CBoolean* outPlaying) noexcept {
    if (outPlaying == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.playing) return AAX_ERROR_UNIMPLEMENTED;
    *outPlaying = *state_.playing ? 1 : 0;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetCurrentTickPosition(std::int64_t* outTicks) noexcept {
    if (outTicks == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.tickPosition) return AAX_ERROR_UNIMPLEMENTED;
    *outTicks = *state_.tickPosition;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetCurrentLoopPosition(AAX_CBoolean* outLooping, std::int64_t* outStartTicks,
                                                      std::int64_t* outEndTicks) noexcept {
    if (outLooping == nullptr || outStartTicks == nullptr || outEndTicks == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.loop) return AAX_ERROR_UNIMPLEMENTED;
    *outLooping = state_.loop->looping ? 1 : 0;
    *outStartTicks = state_.loop->startTicks;
    *outEndTicks = state_.loop->endTicks;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetCurrentNativeSampleLocation(std::int64_t* outSamples) noexcept {
    if (outSamples == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.sampleLocation) return AAX_ERROR_UNIMPLEMENTED;
    *outSamples = *state_.sampleLocation;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetTimelineSelectionStartPosition(std::int64_t* outSamples) noexcept {
    if (outSamples == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.selectionStart) return AAX_ERROR_UNIMPLEMENTED;
    *outSamples = *state_.selectionStart;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetTimeCodeInfo(AAX_EFrameRate* outFrameRate, std::int32_t* outOffsetFrames) noexcept {
    if (outFrameRate == nullptr || outOffsetFrames == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.timeCode) return AAX_ERROR_UNIMPLEMENTED;
    *outFrameRate = state_.timeCode->frameRate;
    *outOffsetFrames = state_.timeCode->offsetFrames;
    return AAX_SUCCESS;
}

}  // namespace aaxhost
