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
// Hand-over between threads. The core may report a new latency (ApplyLatency, on its
// own thread) while the audio thread runs the lines. ApplyLatency therefore never
// touches the lines in use: it builds any longer lines on its own thread and publishes
// the change through one atomic pointer; the next Run takes it over at the start of
// its block (copying the samples so far into the longer lines, then moving the ring
// as described above) and retires what it replaced into a lock-free list, which the
// next ApplyLatency or Prepare frees on its own thread. Run takes no lock, allocates
// nothing and frees nothing.
//
// Threads: Prepare [ui-thread] before rendering starts; ApplyLatency [core-thread] or
// [ui-thread], one thread at a time, at any moment; Run [audio-thread]. The state
// accessors belong to the audio thread, or to any thread while no Run is under way
// (they take over a pending change first, as Run would). Pure logic.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

class BypassDelayLines {
public:
    BypassDelayLines();
    ~BypassDelayLines();
    BypassDelayLines(const BypassDelayLines&) = delete;
    BypassDelayLines& operator=(const BypassDelayLines&) = delete;

    // `lineCount` lines of `latency` zeros; the ring is the whole of them, from 0.
    // Drops any pending change. [ui-thread], while no Run is under way
    void Prepare(std::uint32_t lineCount, std::uint32_t latency);

    // The ring for a new latency, taken over by the next Run (or state accessor):
    // 1. lines shorter than `latency` are lengthened to it with zeros;
    // 2. the wrap position becomes the position at the takeover, `latency` is kept;
    // 3. t = position - (line length) + latency: when t > 0 the ring goes round the end
    //    of the lines and ends at t - 1; otherwise it ends at position + latency - 1.
    // A latency of 0 leaves a ring that Run does not use. When the lines cannot be
    // lengthened (out of memory) nothing changes and the answer is false. Changes
    // published before a Run took them over count as one. [core-thread]
    bool ApplyLatency(std::uint32_t latency);

    // Runs `samples` samples of `channelCount` channels through the ring: each sample
    // is replaced by the line's sample at the position when `engaged`, and stored there
    // in any case; then the position advances. Nothing when the latency is 0; channels
    // beyond the lines (or null ones) are left alone. [audio-thread]
    void Run(float* const* channels, std::uint32_t channelCount, std::uint32_t samples, bool engaged) noexcept {
        // Inline: a ring without latency (the common case) costs two loads a block.
        if (latency_ != 0 || pending_.load(std::memory_order_relaxed))
            RunRing(nullptr, channels, channelCount, samples, engaged);
    }

    // The engaged Run over channels that are first to be filled from `sources`, in one
    // pass: the same as copying sources[k] into channel k and then Run(engaged), but the
    // line's samples go straight into the channel and the source straight into the
    // line, so the block is copied once, not twice. A null source, or one that is its
    // channel, leaves the channel to Run as it is; a channel no line reaches (every
    // channel at latency 0) just takes its source. [audio-thread]
    void BypassFrom(const float* const* sources, float* const* channels, std::uint32_t channelCount,
                    std::uint32_t samples) noexcept;

    // ---- State ([audio-thread], or while no Run is under way) ----
    std::uint32_t LineCount() const noexcept;
    // The length of every line; 0 without lines.
    std::uint32_t LineLength() const noexcept;
    const std::vector<std::vector<float>>& Lines() const noexcept;
    std::uint32_t Position() const noexcept;
    std::uint32_t WrapPosition() const noexcept;
    std::uint32_t EndPosition() const noexcept;
    std::uint32_t Latency() const noexcept;

    // For tests and for restoring a ring position: values beyond the lines are taken
    // as 0 by Run.
    void SetPosition(std::uint32_t position) noexcept;

private:
    // One set of lines, or one published latency change (with longer lines when the
    // change lengthens them). Retired blocks are chained through `nextRetired`.
    struct Block {
        std::vector<std::vector<float>> lines;
        std::vector<float> scratch;  // one line's length: Run's room for a ring's worth
        bool hasLines = true;        // false: a latency change that keeps the current lines
        std::uint32_t latency = 0;
        Block* nextRetired = nullptr;
    };

    struct RingStretch {
        std::uint32_t at;      // line position
        std::uint32_t before;  // steps of the walk before it
        std::uint32_t n;
    };
    // The stretches of one walk once round the ring's cycle: at most three (to the lines'
    // last position, from their first to the ring's end, from the ring's start on).
    class RingStretches {
    public:
        void Add(std::uint32_t at, std::uint32_t before, std::uint32_t n) noexcept;
        const RingStretch* begin() const noexcept { return items_; }
        const RingStretch* end() const noexcept { return items_ + count_; }
        std::size_t size() const noexcept { return count_; }

    private:
        static constexpr std::size_t kMost = 4;
        RingStretch items_[kMost] = {};
        std::size_t count_ = 0;
    };
    // A block that starts on the ring's cycle and is longer than it: where it starts,
    // its length, the cycle's, where its last `cycle` inputs start, and the stretches of
    // the ring's samples and of where those inputs go.
    struct CycleWalk {
        bool valid = false;
        std::uint32_t position = 0;
        std::uint32_t samples = 0;
        std::uint32_t cycle = 0;
        std::uint32_t lastStart = 0;
        RingStretches ring;
        RingStretches stores;
    };

    // Run; engaged, channel k's block comes from sources[k] where that is given and not
    // the channel itself.
    void RunRing(const float* const* sources, float* const* channels, std::uint32_t channelCount, std::uint32_t samples,
                 bool engaged) noexcept;
    // The general walk of RunRing, from `position` on the lines of `length`.
    void WalkBlock(const float* const* sources, float* const* channels, std::uint32_t count, std::uint32_t samples,
                   std::uint32_t position, std::uint32_t length, bool engaged) noexcept;
    // Takes over a published change; no allocation, no freeing. [audio-thread]
    void TakeOverPending() const noexcept {
        if (pending_.load(std::memory_order_relaxed)) TakeOverChange();
    }
    void TakeOverChange() const noexcept;
    // The lines' length as they are, without taking over a change.
    std::uint32_t CurrentLength() const noexcept {
        return current_->lines.empty() ? 0 : static_cast<std::uint32_t>(current_->lines.front().size());
    }
    void Retire(Block* block) const noexcept;
    // Frees what Run retired. [core-thread] [ui-thread]
    void FreeRetired() noexcept;
    std::uint32_t Advance(std::uint32_t position, std::uint32_t length) const noexcept;
    // The walk of `steps` steps from `position` in contiguous stretches of the lines:
    // stretch(line position, steps before it, its length). Returns the position after.
    template <class Stretch>
    std::uint32_t Walk(std::uint32_t position, std::uint32_t steps, std::uint32_t length, Stretch stretch) const;
    // How many positions the ring's cycle has when `position` lies on it, else 0.
    std::uint32_t CycleLength(std::uint32_t position, std::uint32_t length) const noexcept;
    void FindCycleWalk(std::uint32_t position, std::uint32_t rest, std::uint32_t cycle, std::uint32_t length,
                       CycleWalk& walk) const noexcept;
    void RunCycle(const CycleWalk& walk, const float* const* sources, float* const* channels, std::uint32_t count,
                  std::uint32_t done, bool engaged) const noexcept;

    // The audio thread's ring (also the accessors'); mutable so that a const accessor
    // can take over a pending change as Run would.
    mutable Block* current_;
    mutable std::uint32_t position_ = 0;
    mutable std::uint32_t wrapPosition_ = 0;
    mutable std::uint32_t endPosition_ = 0;
    mutable std::uint32_t latency_ = 0;
    // The last block's walk, while the ring stays as it is. [audio-thread]
    mutable CycleWalk cycleWalk_;
    // Shared: the change not yet taken over, and what Run replaced.
    mutable std::atomic<Block*> pending_{nullptr};
    mutable std::atomic<Block*> retired_{nullptr};
    // The publishing thread's view: the line count and the length its last change has.
    std::uint32_t lineCount_ = 0;
    std::uint32_t plannedLength_ = 0;
};
