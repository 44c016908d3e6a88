#pragma once
// The delay lines of the hook-made bypass: one ring per channel, so that an engaged
// bypass passes the signal delayed by the latency the instance reports, as the
// processed signal would be.
//
// Every line has the same length. The ring runs over the positions from `wrapPosition`
// to `endPosition` (both included), passing from the last position of the lines to
// position 0 when the ring goes round their end; `position` is the next sample's
// place. A latency change keeps the samples stored so far and starts the new ring at
// the current position.
//
// Threads: Prepare and ApplyLatency run on the UI or core thread, Run on the audio
// thread; they must not overlap (the lines may be reallocated). Pure logic.

#include <cstdint>
#include <vector>

class BypassDelayLines {
public:
    // `lineCount` lines of `latency` zeros; the ring is the whole of them, from 0.
    // [ui-thread]
    void Prepare(std::uint32_t lineCount, std::uint32_t latency);

    // The ring for a new latency:
    // 1. lines shorter than `latency` are lengthened to it with zeros;
    // 2. the wrap position becomes the current position, `latency` is kept;
    // 3. t = position - (line length) + latency: when t > 0 the ring goes round the end
    //    of the lines and ends at t - 1; otherwise it ends at position + latency - 1.
    // A latency of 0 leaves a ring that Run does not use. When the lines cannot be
    // lengthened (out of memory) nothing changes and the answer is false. [core-thread]
    bool ApplyLatency(std::uint32_t latency);

    // Runs `samples` samples of `channelCount` channels through the ring: each sample
    // is replaced by the line's sample at the position when `engaged`, and stored there
    // in any case; then the position advances. Nothing when the latency is 0; channels
    // beyond the lines (or null ones) are left alone. [audio-thread]
    void Run(float* const* channels, std::uint32_t channelCount, std::uint32_t samples, bool engaged) noexcept;

    std::uint32_t LineCount() const noexcept { return static_cast<std::uint32_t>(lines_.size()); }
    // The length of every line; 0 without lines.
    std::uint32_t LineLength() const noexcept;
    const std::vector<std::vector<float>>& Lines() const noexcept { return lines_; }
    std::uint32_t Position() const noexcept { return position_; }
    std::uint32_t WrapPosition() const noexcept { return wrapPosition_; }
    std::uint32_t EndPosition() const noexcept { return endPosition_; }
    std::uint32_t Latency() const noexcept { return latency_; }

    // For tests and for restoring a ring position: values beyond the lines are taken
    // as 0 by Run.
    void SetPosition(std::uint32_t position) noexcept { position_ = position; }

private:
    std::uint32_t Advance(std::uint32_t position, std::uint32_t length) const noexcept;

    std::vector<std::vector<float>> lines_;
    std::uint32_t position_ = 0;
    std::uint32_t wrapPosition_ = 0;
    std::uint32_t endPosition_ = 0;
    std::uint32_t latency_ = 0;
};
