#include "aaxhost/SimulatedTransport.h"

namespace aaxhost {
namespace {

constexpr std::uint32_t kTicksPerQuarter = 960000;

}  // namespace

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

AAX_Result SimulatedTransport::IsTransportPlaying(bool* outPlaying) noexcept {
    if (outPlaying == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.playing) return AAX_ERROR_UNIMPLEMENTED;
    *outPlaying = *state_.playing;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetCurrentTickPosition(std::int64_t* outTicks) noexcept {
    if (outTicks == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.tickPosition) return AAX_ERROR_UNIMPLEMENTED;
    *outTicks = *state_.tickPosition;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetCurrentLoopPosition(bool* outLooping, std::int64_t* outStartTicks,
                                                      std::int64_t* outEndTicks) noexcept {
    if (outLooping == nullptr || outStartTicks == nullptr || outEndTicks == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.loop) return AAX_ERROR_UNIMPLEMENTED;
    *outLooping = state_.loop->looping;
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

AAX_Result SimulatedTransport::GetCustomTickPosition(std::int64_t* outTicks, std::int64_t) noexcept {
    return outTicks == nullptr ? AAX_ERROR_NULL_ARGUMENT : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result SimulatedTransport::GetBarBeatPosition(std::int32_t* outBars, std::int32_t* outBeats,
                                                  std::int64_t* outDisplayTicks, std::int64_t) noexcept {
    if (outBars == nullptr || outBeats == nullptr || outDisplayTicks == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result SimulatedTransport::GetTicksPerQuarter(std::uint32_t* outTicks) noexcept {
    if (outTicks == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outTicks = kTicksPerQuarter;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetCurrentTicksPerBeat(std::uint32_t* outTicks) noexcept {
    if (outTicks == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.meter || state_.meter->denominator <= 0) return AAX_ERROR_UNIMPLEMENTED;
    *outTicks = kTicksPerQuarter * 4u / static_cast<std::uint32_t>(state_.meter->denominator);
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetFeetFramesInfo(AAX_EFeetFramesRate* outRate, std::int64_t* outOffset) noexcept {
    if (outRate == nullptr || outOffset == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.feetFrames) return AAX_ERROR_UNIMPLEMENTED;
    *outRate = state_.feetFrames->rate;
    *outOffset = state_.feetFrames->offset;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::IsMetronomeEnabled(std::int32_t* outEnabled) noexcept {
    if (outEnabled == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.metronome) return AAX_ERROR_UNIMPLEMENTED;
    *outEnabled = *state_.metronome ? 1 : 0;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetHDTimeCodeInfo(AAX_EFrameRate* outFrameRate, std::int64_t* outOffset) noexcept {
    if (outFrameRate == nullptr || outOffset == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.hdTimeCode) return AAX_ERROR_UNIMPLEMENTED;
    *outFrameRate = state_.hdTimeCode->frameRate;
    *outOffset = state_.hdTimeCode->offset;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetTimelineSelectionEndPosition(std::int64_t* outSamples) noexcept {
    if (outSamples == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.selectionEnd) return AAX_ERROR_UNIMPLEMENTED;
    *outSamples = *state_.selectionEnd;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetKeySignature(std::int64_t, std::uint32_t* outKeySignature) noexcept {
    if (outKeySignature == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!state_.keySignature) return AAX_ERROR_UNIMPLEMENTED;
    *outKeySignature = *state_.keySignature;
    return AAX_SUCCESS;
}

}  // namespace aaxhost
