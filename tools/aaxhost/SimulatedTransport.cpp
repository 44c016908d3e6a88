#include "aaxhost/SimulatedTransport.h"

#include <tuple>
#include <utility>

namespace aaxhost {
namespace {

constexpr std::uint32_t kTicksPerQuarter = 960000;

}  // namespace

SimulatedTransport::SimulatedTransport(const TransportState& state) : state_(state) { Publish(); }

void SimulatedTransport::Publish() noexcept {
    const std::uint32_t sequence = hot_.sequence.load(std::memory_order_relaxed);
    hot_.sequence.store(sequence + 1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
    constexpr auto kRelaxed = std::memory_order_relaxed;
    std::uint32_t present = 0;
    if (state_.tempo) {
        present |= kTempo;
        hot_.tempo.store(*state_.tempo, kRelaxed);
    }
    if (state_.meter) {
        present |= kMeter;
        hot_.numerator.store(state_.meter->numerator, kRelaxed);
        hot_.denominator.store(state_.meter->denominator, kRelaxed);
    }
    if (state_.playing) {
        present |= kPlaying;
        hot_.playing.store(*state_.playing, kRelaxed);
    }
    if (state_.tickPosition) {
        present |= kTickPosition;
        hot_.tickPosition.store(*state_.tickPosition, kRelaxed);
    }
    if (state_.loop) {
        present |= kLoop;
        hot_.looping.store(state_.loop->looping, kRelaxed);
        hot_.loopStart.store(state_.loop->startTicks, kRelaxed);
        hot_.loopEnd.store(state_.loop->endTicks, kRelaxed);
    }
    if (state_.sampleLocation) {
        present |= kSampleLocation;
        hot_.sampleLocation.store(*state_.sampleLocation, kRelaxed);
    }
    if (state_.selectionStart) {
        present |= kSelectionStart;
        hot_.selectionStart.store(*state_.selectionStart, kRelaxed);
    }
    hot_.present.store(present, kRelaxed);
    hot_.sequence.store(sequence + 2, std::memory_order_release);
}

TransportState SimulatedTransport::State() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return state_;
}

void SimulatedTransport::SetState(const TransportState& state) {
    std::lock_guard<std::mutex> lock(mutex_);
    state_ = state;
    Publish();
}

AAX_Result SimulatedTransport::GetCurrentTempo(double* outBeatsPerMinute) noexcept {
    if (outBeatsPerMinute == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const auto [present, tempo] = ReadHot([](const HotValues& hot) {
        return std::make_pair(hot.present.load(std::memory_order_relaxed) & kTempo,
                              hot.tempo.load(std::memory_order_relaxed));
    });
    if (!present) return AAX_ERROR_UNIMPLEMENTED;
    *outBeatsPerMinute = tempo;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetCurrentMeter(std::int32_t* outNumerator, std::int32_t* outDenominator) noexcept {
    if (outNumerator == nullptr || outDenominator == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const auto [present, numerator, denominator] = ReadHot([](const HotValues& hot) {
        return std::make_tuple(hot.present.load(std::memory_order_relaxed) & kMeter,
                               hot.numerator.load(std::memory_order_relaxed),
                               hot.denominator.load(std::memory_order_relaxed));
    });
    if (!present) return AAX_ERROR_UNIMPLEMENTED;
    *outNumerator = numerator;
    *outDenominator = denominator;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::IsTransportPlaying(bool* outPlaying) noexcept {
    if (outPlaying == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const auto [present, playing] = ReadHot([](const HotValues& hot) {
        return std::make_pair(hot.present.load(std::memory_order_relaxed) & kPlaying,
                              hot.playing.load(std::memory_order_relaxed));
    });
    if (!present) return AAX_ERROR_UNIMPLEMENTED;
    *outPlaying = playing;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetCurrentTickPosition(std::int64_t* outTicks) noexcept {
    if (outTicks == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const auto [present, ticks] = ReadHot([](const HotValues& hot) {
        return std::make_pair(hot.present.load(std::memory_order_relaxed) & kTickPosition,
                              hot.tickPosition.load(std::memory_order_relaxed));
    });
    if (!present) return AAX_ERROR_UNIMPLEMENTED;
    *outTicks = ticks;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetCurrentLoopPosition(bool* outLooping, std::int64_t* outStartTicks,
                                                      std::int64_t* outEndTicks) noexcept {
    if (outLooping == nullptr || outStartTicks == nullptr || outEndTicks == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const auto [present, looping, start, end] = ReadHot([](const HotValues& hot) {
        return std::make_tuple(hot.present.load(std::memory_order_relaxed) & kLoop,
                               hot.looping.load(std::memory_order_relaxed),
                               hot.loopStart.load(std::memory_order_relaxed),
                               hot.loopEnd.load(std::memory_order_relaxed));
    });
    if (!present) return AAX_ERROR_UNIMPLEMENTED;
    *outLooping = looping;
    *outStartTicks = start;
    *outEndTicks = end;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetCurrentNativeSampleLocation(std::int64_t* outSamples) noexcept {
    if (outSamples == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const auto [present, samples] = ReadHot([](const HotValues& hot) {
        return std::make_pair(hot.present.load(std::memory_order_relaxed) & kSampleLocation,
                              hot.sampleLocation.load(std::memory_order_relaxed));
    });
    if (!present) return AAX_ERROR_UNIMPLEMENTED;
    *outSamples = samples;
    return AAX_SUCCESS;
}

AAX_Result SimulatedTransport::GetTimelineSelectionStartPosition(std::int64_t* outSamples) noexcept {
    if (outSamples == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    const auto [present, samples] = ReadHot([](const HotValues& hot) {
        return std::make_pair(hot.present.load(std::memory_order_relaxed) & kSelectionStart,
                              hot.selectionStart.load(std::memory_order_relaxed));
    });
    if (!present) return AAX_ERROR_UNIMPLEMENTED;
    *outSamples = samples;
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
