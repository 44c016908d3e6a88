#pragma once
// SimulatedTransport: the host's transport, with values a test sets. A value left empty
// is one the host cannot answer now: its query returns AAX_ERROR_UNIMPLEMENTED and
// leaves the outputs alone. A null out pointer gives AAX_ERROR_NULL_ARGUMENT. The
// controller hands it out for IID_IAAXTransportV1..V5. Ticks per quarter note are always
// 960000, ticks per beat follow the meter's denominator; positions of other sample
// locations (custom ticks, bars and beats) are not offered. Queries: [any-thread], also
// [audio-thread]; the values are guarded by a mutex, so a test may change them between
// blocks from its own thread.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>

#include "aax/AAX_IACFTransport.h"
#include "aaxhost/HostObject.h"

namespace aaxhost {

struct TransportState {
    struct Meter {
        std::int32_t numerator = 4;
        std::int32_t denominator = 4;
    };
    struct Loop {
        bool looping = false;
        std::int64_t startTicks = 0;
        std::int64_t endTicks = 0;
    };
    struct TimeCode {
        AAX_EFrameRate frameRate = AAX_eFrameRate_30NonDrop;
        std::int32_t offsetFrames = 0;
    };
    struct FeetFrames {
        AAX_EFeetFramesRate rate = AAX_eFeetFramesRate_24;
        std::int64_t offset = 0;
    };
    struct HDTimeCode {
        AAX_EFrameRate frameRate = AAX_eFrameRate_30NonDrop;
        std::int64_t offset = 0;
    };

    std::optional<double> tempo = 120.0;  // beats per minute
    std::optional<Meter> meter = Meter{};
    std::optional<bool> playing = false;
    std::optional<std::int64_t> tickPosition = 0;  // 960000 per quarter note
    std::optional<Loop> loop = Loop{};
    std::optional<std::int64_t> sampleLocation = 0;  // of the block being processed
    std::optional<std::int64_t> selectionStart = 0;  // timeline selection start, samples
    std::optional<TimeCode> timeCode = TimeCode{};
    std::optional<FeetFrames> feetFrames = FeetFrames{};
    std::optional<bool> metronome = false;
    std::optional<HDTimeCode> hdTimeCode = HDTimeCode{};
    std::optional<std::int64_t> selectionEnd = 0;  // timeline selection end, samples
    std::optional<std::uint32_t> keySignature;     // the host's packed form; none by default
};

class SimulatedTransport final : public HostObject<AAX_IACFTransport_V5, IID_IAAXTransportV1, IID_IAAXTransportV2,
                                                   IID_IAAXTransportV3, IID_IAAXTransportV4, IID_IAAXTransportV5> {
public:
    explicit SimulatedTransport(const TransportState& state = {});

    TransportState State() const;
    void SetState(const TransportState& state);
    // Changes some values under the lock: update([](TransportState& s) { s.tempo = 90.0; }).
    template <class Change>
    void Update(Change change) {
        std::lock_guard<std::mutex> lock(mutex_);
        change(state_);
        Publish();
    }

    AAX_Result GetCurrentTempo(double* outBeatsPerMinute) noexcept override;
    AAX_Result GetCurrentMeter(std::int32_t* outNumerator, std::int32_t* outDenominator) noexcept override;
    AAX_Result IsTransportPlaying(bool* outPlaying) noexcept override;
    AAX_Result GetCurrentTickPosition(std::int64_t* outTicks) noexcept override;
    AAX_Result GetCurrentLoopPosition(bool* outLooping, std::int64_t* outStartTicks,
                                      std::int64_t* outEndTicks) noexcept override;
    AAX_Result GetCurrentNativeSampleLocation(std::int64_t* outSamples) noexcept override;
    AAX_Result GetCustomTickPosition(std::int64_t* outTicks, std::int64_t sampleLocation) noexcept override;
    AAX_Result GetBarBeatPosition(std::int32_t* outBars, std::int32_t* outBeats, std::int64_t* outDisplayTicks,
                                  std::int64_t sampleLocation) noexcept override;
    AAX_Result GetTicksPerQuarter(std::uint32_t* outTicks) noexcept override;
    AAX_Result GetCurrentTicksPerBeat(std::uint32_t* outTicks) noexcept override;
    AAX_Result GetTimelineSelectionStartPosition(std::int64_t* outSamples) noexcept override;
    AAX_Result GetTimeCodeInfo(AAX_EFrameRate* outFrameRate, std::int32_t* outOffsetFrames) noexcept override;
    AAX_Result GetFeetFramesInfo(AAX_EFeetFramesRate* outRate, std::int64_t* outOffset) noexcept override;
    AAX_Result IsMetronomeEnabled(std::int32_t* outEnabled) noexcept override;
    AAX_Result GetHDTimeCodeInfo(AAX_EFrameRate* outFrameRate, std::int64_t* outOffset) noexcept override;
    AAX_Result GetTimelineSelectionEndPosition(std::int64_t* outSamples) noexcept override;
    AAX_Result GetKeySignature(std::int64_t sampleLocation, std::uint32_t* outKeySignature) noexcept override;

private:
    // The values the render path reads every block, published on every change so that
    // reading them takes no lock (a host's transport costs its audio thread next to
    // nothing, and the render bench measures the hook through this one): each value is
    // an atomic word, and a sequence count, odd while a change is being published, tells
    // a reader to read again.
    struct HotValues {
        std::atomic<std::uint32_t> sequence{0};
        std::atomic<std::uint32_t> present{0};  // one bit per value below
        std::atomic<double> tempo{0.0};
        std::atomic<std::int32_t> numerator{0};
        std::atomic<std::int32_t> denominator{0};
        std::atomic<bool> playing{false};
        std::atomic<std::int64_t> tickPosition{0};
        std::atomic<bool> looping{false};
        std::atomic<std::int64_t> loopStart{0};
        std::atomic<std::int64_t> loopEnd{0};
        std::atomic<std::int64_t> sampleLocation{0};
        std::atomic<std::int64_t> selectionStart{0};
    };
    enum HotValue : std::uint32_t {
        kTempo = 1,
        kMeter = 2,
        kPlaying = 4,
        kTickPosition = 8,
        kLoop = 16,
        kSampleLocation = 32,
        kSelectionStart = 64
    };
    // Under mutex_.
    void Publish() noexcept;
    // `read(hot_)` on values that no change was publishing meanwhile.
    template <class Read>
    auto ReadHot(Read read) const noexcept {
        for (;;) {
            const std::uint32_t before = hot_.sequence.load(std::memory_order_acquire);
            if (before & 1u) continue;
            const auto value = read(hot_);
            std::atomic_thread_fence(std::memory_order_acquire);
            if (hot_.sequence.load(std::memory_order_relaxed) == before) return value;
        }
    }

    mutable std::mutex mutex_;
    TransportState state_;
    HotValues hot_;
};

}  // namespace aaxhost
