#include "parameters/BypassDelayLines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>

BypassDelayLines::BypassDelayLines() : current_(new Block) {}

BypassDelayLines::~BypassDelayLines() {
    delete pending_.exchange(nullptr);
    FreeRetired();
    delete current_;
}

void BypassDelayLines::Prepare(std::uint32_t lineCount, std::uint32_t latency) {
    auto block = std::make_unique<Block>();
    block->lines.assign(lineCount, std::vector<float>(latency, 0.0f));
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
}

bool BypassDelayLines::ApplyLatency(std::uint32_t latency) {
    FreeRetired();
    std::unique_ptr<Block> change;
    try {
        change = std::make_unique<Block>();
        change->latency = latency;
        change->hasLines = latency > plannedLength_ && lineCount_ > 0;
        if (change->hasLines) change->lines.assign(lineCount_, std::vector<float>(latency, 0.0f));
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
        change->hasLines = true;
    }
    if (change->hasLines) plannedLength_ = static_cast<std::uint32_t>(change->lines.front().size());
    pending_.store(change.release(), std::memory_order_release);
    return true;
}

void BypassDelayLines::TakeOverPending() const noexcept {
    if (!pending_.load(std::memory_order_relaxed)) return;
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
    const std::uint32_t length = LineLength();
    const std::uint32_t latency = change->latency;
    if (!change->hasLines) Retire(change);
    wrapPosition_ = position_;
    latency_ = latency;
    // Wider than 32 bits, so that no latency overflows; equal to the 32-bit signed
    // arithmetic for every latency a line can hold.
    const std::int64_t t =
        static_cast<std::int64_t>(position_) - static_cast<std::int64_t>(length) + static_cast<std::int64_t>(latency);
    endPosition_ = t > 0 ? static_cast<std::uint32_t>(t - 1) : position_ + latency - 1u;
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
    return current_->lines.empty() ? 0 : static_cast<std::uint32_t>(current_->lines.front().size());
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

// The ring is walked in contiguous stretches of the lines: from the position up to the
// ring's end or the lines' last position, whichever comes first, then on from where
// Advance goes. Within a stretch every channel is one block copy (or swap, engaged),
// which visits exactly the positions the sample-by-sample walk would.
void BypassDelayLines::Run(float* const* channels, std::uint32_t channelCount, std::uint32_t samples,
                           bool engaged) noexcept {
    TakeOverPending();
    const std::uint32_t length = LineLength();
    if (latency_ == 0 || samples == 0 || length == 0 || !channels) return;
    std::vector<std::vector<float>>& lines = current_->lines;
    const std::uint32_t count = std::min(channelCount, static_cast<std::uint32_t>(lines.size()));
    std::uint32_t position = position_ < length ? position_ : (wrapPosition_ < length ? wrapPosition_ : 0);
    for (std::uint32_t done = 0; done < samples;) {
        const std::uint32_t last = endPosition_ >= position && endPosition_ < length ? endPosition_ : length - 1;
        const std::uint32_t n = std::min(samples - done, last - position + 1);
        for (std::uint32_t k = 0; k < count; ++k) {
            float* channel = channels[k];
            if (!channel) continue;
            float* line = lines[k].data() + position;
            if (engaged)
                std::swap_ranges(channel + done, channel + done + n, line);
            else
                std::memcpy(line, channel + done, n * sizeof(float));
        }
        done += n;
        position += n - 1;
        position = Advance(position, length);
    }
    position_ = position;
}
