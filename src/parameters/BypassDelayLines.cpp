#include "parameters/BypassDelayLines.h"

#include <cstdint>
#include <new>
#include <stdexcept>

void BypassDelayLines::Prepare(std::uint32_t lineCount, std::uint32_t latency) {
    lines_.assign(lineCount, std::vector<float>(latency, 0.0f));
    latency_ = latency;
    wrapPosition_ = 0;
    endPosition_ = LineLength();
    position_ = 0;
}

std::uint32_t BypassDelayLines::LineLength() const noexcept {
    return lines_.empty() ? 0 : static_cast<std::uint32_t>(lines_.front().size());
}

bool BypassDelayLines::ApplyLatency(std::uint32_t latency) {
    if (latency > LineLength()) {
        // Room for every line first, so that a failure leaves them all as they were.
        try {
            for (std::vector<float>& line : lines_) line.reserve(latency);
        } catch (const std::bad_alloc&) {
            return false;
        } catch (const std::length_error&) {
            return false;
        }
        for (std::vector<float>& line : lines_) line.resize(latency, 0.0f);
    }
    wrapPosition_ = position_;
    latency_ = latency;
    // Wider than 32 bits, so that no latency overflows; equal to the 32-bit signed
    // arithmetic for every latency a line can hold.
    const std::int64_t t = static_cast<std::int64_t>(position_) - static_cast<std::int64_t>(LineLength()) +
                           static_cast<std::int64_t>(latency);
    endPosition_ = t > 0 ? static_cast<std::uint32_t>(t - 1) : position_ + latency - 1u;
    return true;
}

// After the end of the ring comes its start; past the last position of the lines comes
// position 0. A position outside the lines (not reached by the ring rules) restarts
// at the wrap position, or at 0 when that is outside too.
std::uint32_t BypassDelayLines::Advance(std::uint32_t position, std::uint32_t length) const noexcept {
    if (position == endPosition_) return wrapPosition_ < length ? wrapPosition_ : 0;
    ++position;
    return position < length ? position : 0;
}

void BypassDelayLines::Run(float* const* channels, std::uint32_t channelCount, std::uint32_t samples,
                           bool engaged) noexcept {
    const std::uint32_t length = LineLength();
    if (latency_ == 0 || samples == 0 || length == 0 || !channels) return;
    const std::uint32_t count = channelCount < LineCount() ? channelCount : LineCount();
    std::uint32_t position = position_ < length ? position_ : (wrapPosition_ < length ? wrapPosition_ : 0);
    for (std::uint32_t i = 0; i < samples; ++i) {
        for (std::uint32_t k = 0; k < count; ++k) {
            float* channel = channels[k];
            if (!channel) continue;
            const float sample = channel[i];
            float& stored = lines_[k][position];
            if (engaged) channel[i] = stored;
            stored = sample;
        }
        position = Advance(position, length);
    }
    position_ = position;
}
