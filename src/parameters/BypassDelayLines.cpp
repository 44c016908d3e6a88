#include "parameters/BypassDelayLines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>

#include "util/BufferOps.h"

BypassDelayLines::BypassDelayLines() : current_(new Block) {}

BypassDelayLines::~BypassDelayLines() {
    delete pending_.exchange(nullptr);
    FreeRetired();
    delete current_;
}

void BypassDelayLines::RingStretches::Add(std::uint32_t at, std::uint32_t before, std::uint32_t n) noexcept {
    if (count_ < kMost) items_[count_++] = {at, before, n};
}

void BypassDelayLines::Prepare(std::uint32_t lineCount, std::uint32_t latency) {
    auto block = std::make_unique<Block>();
    block->lines.assign(lineCount, std::vector<float>(latency, 0.0f));
    block->scratch.assign(latency, 0.0f);
    delete pending_.exchange(nullptr);
    FreeRetired();
    delete current_;
    current_ = block.release();
    latency_ = latency;
    wrapPosition_ = 0;
    endPosition_ = lineCount ? latency : 0;
    position_ = 0;
    lineCount_ = lineCount;
    plannedLength_ = lineCount ? latency : 0;
    cycleWalk_.valid = false;
}

bool BypassDelayLines::ApplyLatency(std::uint32_t latency) {
    FreeRetired();
    std::unique_ptr<Block> change;
    try {
        change = std::make_unique<Block>();
        change->latency = latency;
        change->hasLines = latency > plannedLength_ && lineCount_ > 0;
        if (change->hasLines) {
            change->lines.assign(lineCount_, std::vector<float>(latency, 0.0f));
            change->scratch.assign(latency, 0.0f);
        }
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    // A change the audio thread has not taken yet is replaced; its longer lines, if it
    // brought any, go with the new change.
    std::unique_ptr<Block> unclaimed(pending_.exchange(nullptr, std::memory_order_acq_rel));
    if (unclaimed && unclaimed->hasLines && !change->hasLines) {
        change->lines = std::move(unclaimed->lines);
        change->scratch = std::move(unclaimed->scratch);
        change->hasLines = true;
    }
    if (change->hasLines) plannedLength_ = static_cast<std::uint32_t>(change->lines.front().size());
    pending_.store(change.release(), std::memory_order_release);
    return true;
}

void BypassDelayLines::TakeOverChange() const noexcept {
    Block* change = pending_.exchange(nullptr, std::memory_order_acq_rel);
    if (!change) return;
    if (change->hasLines) {
        // The samples so far keep their places; the longer lines add zeros after them.
        const std::size_t count = std::min(change->lines.size(), current_->lines.size());
        for (std::size_t k = 0; k < count; ++k) {
            const std::vector<float>& from = current_->lines[k];
            std::vector<float>& to = change->lines[k];
            std::copy(from.begin(), from.begin() + static_cast<std::ptrdiff_t>(std::min(from.size(), to.size())),
                      to.begin());
        }
        Retire(current_);
        current_ = change;
    }
    const std::uint32_t length = CurrentLength();
    const std::uint32_t latency = change->latency;
    if (!change->hasLines) Retire(change);
    wrapPosition_ = position_;
    latency_ = latency;
    // Wider than 32 bits, so that no latency overflows; equal to the 32-bit signed
    // arithmetic for every latency a line can hold.
    const std::int64_t t =
        static_cast<std::int64_t>(position_) - static_cast<std::int64_t>(length) + static_cast<std::int64_t>(latency);
    endPosition_ = t > 0 ? static_cast<std::uint32_t>(t - 1) : position_ + latency - 1u;
    cycleWalk_.valid = false;
}

// A lock-free push: the only other party takes the whole list at once, so there is no
// ABA hazard.
void BypassDelayLines::Retire(Block* block) const noexcept {
    Block* head = retired_.load(std::memory_order_relaxed);
    do {
        block->nextRetired = head;
    } while (!retired_.compare_exchange_weak(head, block, std::memory_order_release, std::memory_order_relaxed));
}

void BypassDelayLines::FreeRetired() noexcept {
    Block* block = retired_.exchange(nullptr, std::memory_order_acquire);
    while (block) {
        Block* next = block->nextRetired;
        delete block;
        block = next;
    }
}

std::uint32_t BypassDelayLines::LineCount() const noexcept {
    TakeOverPending();
    return static_cast<std::uint32_t>(current_->lines.size());
}

std::uint32_t BypassDelayLines::LineLength() const noexcept {
    TakeOverPending();
    return CurrentLength();
}

const std::vector<std::vector<float>>& BypassDelayLines::Lines() const noexcept {
    TakeOverPending();
    return current_->lines;
}

std::uint32_t BypassDelayLines::Position() const noexcept {
    TakeOverPending();
    return position_;
}

std::uint32_t BypassDelayLines::WrapPosition() const noexcept {
    TakeOverPending();
    return wrapPosition_;
}

std::uint32_t BypassDelayLines::EndPosition() const noexcept {
    TakeOverPending();
    return endPosition_;
}

std::uint32_t BypassDelayLines::Latency() const noexcept {
    TakeOverPending();
    return latency_;
}

void BypassDelayLines::SetPosition(std::uint32_t position) noexcept {
    TakeOverPending();
    position_ = position;
}

// After the end of the ring comes its start; past the last position of the lines comes
// position 0. A position outside the lines (not reached by the ring rules) restarts
// at the wrap position, or at 0 when that is outside too.
std::uint32_t BypassDelayLines::Advance(std::uint32_t position, std::uint32_t length) const noexcept {
    if (position == endPosition_) return wrapPosition_ < length ? wrapPosition_ : 0;
    ++position;
    return position < length ? position : 0;
}

template <class Stretch>
std::uint32_t BypassDelayLines::Walk(std::uint32_t position, std::uint32_t steps, std::uint32_t length,
                                     Stretch stretch) const {
    for (std::uint32_t done = 0; done < steps;) {
        // Contiguous up to the ring's end or the lines' last position, whichever comes first.
        const std::uint32_t last = endPosition_ >= position && endPosition_ < length ? endPosition_ : length - 1;
        const std::uint32_t n = std::min(steps - done, last - position + 1);
        stretch(position, done, n);
        done += n;
        position = Advance(position + n - 1, length);
    }
    return position;
}

std::uint32_t BypassDelayLines::CycleLength(std::uint32_t position, std::uint32_t length) const noexcept {
    if (endPosition_ >= length) return length;  // the end is never reached: all the lines
    const std::uint32_t start = wrapPosition_ < length ? wrapPosition_ : 0;
    if (start <= endPosition_) return position >= start && position <= endPosition_ ? endPosition_ - start + 1 : 0;
    return position >= start || position <= endPosition_ ? length - start + endPosition_ + 1 : 0;
}

// Visits exactly the positions of the sample-by-sample walk (Advance), in block copies.
// Off the ring's cycle (after a latency change, or a position set from outside) the
// walk goes stretch by stretch until it is on it. On the cycle of R positions, a block
// longer than R only needs the ring's R samples as they were (the block's first R
// outputs), its last R inputs stored where the walk leaves them, and, engaged, the rest
// of the block moved R samples on. A channel with a source of its own takes the line's
// samples and the rest of its block straight from there, with no scratch copy.
void BypassDelayLines::RunRing(const float* const* sources, float* const* channels, std::uint32_t channelCount,
                               std::uint32_t samples, bool engaged) noexcept {
    TakeOverPending();
    const std::uint32_t length = CurrentLength();
    if (latency_ == 0 || samples == 0 || length == 0 || !channels) return;
    const std::uint32_t count = std::min(channelCount, static_cast<std::uint32_t>(current_->lines.size()));
    const std::uint32_t position = position_ < length ? position_ : (wrapPosition_ < length ? wrapPosition_ : 0);
    // In steady play with blocks of whole cycles (a latency that divides the block
    // length) every block starts where the last one did: its walk of the ring is kept.
    const CycleWalk& walk = cycleWalk_;
    if (walk.valid && walk.position == position && walk.samples == samples) {
        RunCycle(walk, sources, channels, count, 0, engaged);
        position_ = walk.lastStart;
        return;
    }
    WalkBlock(sources, channels, count, samples, position, length, engaged);
}

void BypassDelayLines::WalkBlock(const float* const* sources, float* const* channels, std::uint32_t count,
                                 std::uint32_t samples, std::uint32_t position, std::uint32_t length,
                                 bool engaged) noexcept {
    std::vector<std::vector<float>>& lines = current_->lines;
    float* scratch = current_->scratch.data();
    const auto sourceOf = [&](std::uint32_t k) -> const float* {
        return engaged && sources && sources[k] ? sources[k] : channels[k];
    };

    // Stretch by stretch: each sample and its line's sample swap places (engaged), or
    // the sample is stored.
    const auto runStretches = [&](std::uint32_t from, std::uint32_t steps) {
        return Walk(position, steps, length, [&](std::uint32_t at, std::uint32_t before, std::uint32_t n) {
            for (std::uint32_t k = 0; k < count; ++k) {
                float* channel = channels[k];
                if (!channel) continue;
                float* sample = channel + from + before;
                const float* source = sourceOf(k) + from + before;
                float* line = lines[k].data() + at;
                if (source != sample) {
                    Util::CopyApartFloats(sample, line, n);
                    Util::CopyApartFloats(line, source, n);
                    continue;
                }
                if (engaged) Util::CopyApartFloats(scratch, line, n);
                Util::CopyApartFloats(line, sample, n);
                if (engaged) Util::CopyApartFloats(sample, scratch, n);
            }
        });
    };

    std::uint32_t done = 0;
    while (done < samples && CycleLength(position, length) == 0) {
        const std::uint32_t last = endPosition_ >= position && endPosition_ < length ? endPosition_ : length - 1;
        const std::uint32_t n = std::min(samples - done, last - position + 1);
        position = runStretches(done, n);
        done += n;
    }
    const std::uint32_t cycle = CycleLength(position, length);
    const std::uint32_t rest = samples - done;
    if (rest <= cycle || cycle == 0) {
        position_ = rest > 0 ? runStretches(done, rest) : position;
        return;
    }
    // A block that started off the cycle is not one to keep.
    CycleWalk once;
    CycleWalk& walk = done == 0 ? cycleWalk_ : once;
    FindCycleWalk(position, rest, cycle, length, walk);
    RunCycle(walk, sources, channels, count, done, engaged);
    position_ = walk.lastStart;
}

// Where the block's last `cycle` inputs start on the ring, and the two walks of the ring
// (its samples as they are, then where the last inputs go): the same for every channel.
void BypassDelayLines::FindCycleWalk(std::uint32_t position, std::uint32_t rest, std::uint32_t cycle,
                                     std::uint32_t length, CycleWalk& walk) const noexcept {
    walk.position = position;
    walk.samples = rest;
    walk.cycle = cycle;
    walk.lastStart = Walk(position, (rest - cycle) % cycle, length, [](std::uint32_t, std::uint32_t, std::uint32_t) {});
    walk.ring = RingStretches{};
    walk.stores = RingStretches{};
    Walk(position, cycle, length,
         [&](std::uint32_t at, std::uint32_t before, std::uint32_t n) { walk.ring.Add(at, before, n); });
    Walk(walk.lastStart, cycle, length,
         [&](std::uint32_t at, std::uint32_t before, std::uint32_t n) { walk.stores.Add(at, before, n); });
    walk.valid = true;
}

// A block of `walk.samples` samples from `done` on, starting on the ring's cycle.
void BypassDelayLines::RunCycle(const CycleWalk& walk, const float* const* sources, float* const* channels,
                                std::uint32_t count, std::uint32_t done, bool engaged) const noexcept {
    std::vector<std::vector<float>>& lines = current_->lines;
    float* scratch = current_->scratch.data();
    const std::uint32_t cycle = walk.cycle;
    const std::uint32_t moved = walk.samples - cycle;
    // Most often the ring's samples and the stores are one stretch each.
    const bool oneStretch = walk.ring.size() == 1 && walk.stores.size() == 1;
    const std::uint32_t ringAt = walk.ring.begin()->at;
    const std::uint32_t storeAt = walk.stores.begin()->at;
    for (std::uint32_t k = 0; k < count; ++k) {
        float* channel = channels[k];
        if (!channel) continue;
        float* block = channel + done;
        const float* source = (engaged && sources && sources[k] ? sources[k] : channel) + done;
        float* line = lines[k].data();
        if (engaged && source != block && oneStretch) {
            Util::CopyApartFloats(block, line + ringAt, cycle);
            Util::CopyApartFloats(line + storeAt, source + moved, cycle);
            std::memcpy(block + cycle, source, moved * sizeof(float));
            continue;
        }
        // Engaged, the ring's samples go first: into the block, or aside when the block
        // is its own source.
        float* ringTo = source != block ? block : scratch;
        if (engaged)
            for (const RingStretch& stretch : walk.ring)
                Util::CopyApartFloats(ringTo + stretch.before, line + stretch.at, stretch.n);
        for (const RingStretch& stretch : walk.stores)
            Util::CopyApartFloats(line + stretch.at, source + moved + stretch.before, stretch.n);
        if (!engaged) continue;
        if (source != block) {
            std::memcpy(block + cycle, source, moved * sizeof(float));
        } else {
            std::memmove(block + cycle, block, moved * sizeof(float));
            Util::CopyApartFloats(block, scratch, cycle);
        }
    }
}

void BypassDelayLines::BypassFrom(const float* const* sources, float* const* channels, std::uint32_t channelCount,
                                  std::uint32_t samples) noexcept {
    if (!channels) return;
    TakeOverPending();
    const std::uint32_t length = CurrentLength();
    const std::uint32_t reached =
        latency_ == 0 || length == 0 ? 0 : std::min(channelCount, static_cast<std::uint32_t>(current_->lines.size()));
    for (std::uint32_t k = reached; k < channelCount; ++k) {
        const float* from = sources ? sources[k] : nullptr;
        float* to = channels[k];
        if (from && to && from != to) Util::CopyFloats(to, from, samples);
    }
    if (reached > 0) RunRing(sources, channels, reached, samples, true);
}
