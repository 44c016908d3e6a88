#include "aaxhost/SelectionDelegate.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <utility>

namespace aaxhost {

SelectionDelegate::SelectionDelegate(std::vector<std::vector<float>> channels)
    : channels_(std::move(channels)),
      channelCount_(static_cast<std::int32_t>(channels_.size())),
      length_(channels_.empty() ? 0 : static_cast<std::int64_t>(channels_[0].size())),
      readPointers_(channels_.size()) {
    for (const auto& channel : channels_)
        if (channel.size() != channels_[0].size()) throw std::invalid_argument("selection channels differ in length");
}

SelectionDelegate::SelectionDelegate(SelectionSource& source)
    : source_(&source),
      channelCount_(source.ChannelCount()),
      length_(source.Length()),
      readPointers_(static_cast<std::size_t>(std::max(channelCount_, 0))) {}

void SelectionDelegate::Read(std::int64_t position, std::int32_t count, float* const* channels) {
    // Within the selection: [first, last) of the request's [0, count).
    const std::int64_t first = position >= 0 ? 0 : position <= -std::int64_t{count} ? count : -position;
    std::int64_t last = first;
    if (first < count && position < length_) last = std::max(first, std::min<std::int64_t>(count, length_ - position));
    for (std::int32_t k = 0; k < channelCount_; ++k) {
        float* buffer = channels[k];
        if (buffer == nullptr) continue;
        std::fill(buffer, buffer + first, 0.0f);
        std::fill(buffer + last, buffer + count, 0.0f);
        if (source_ == nullptr && last > first) {
            const float* samples = channels_[static_cast<std::size_t>(k)].data() + (position + first);
            std::copy(samples, samples + (last - first), buffer + first);
        }
    }
    if (source_ == nullptr || last <= first) return;
    float* const* at = channels;
    if (first > 0) {
        for (std::int32_t k = 0; k < channelCount_; ++k)
            readPointers_[static_cast<std::size_t>(k)] = channels[k] == nullptr ? nullptr : channels[k] + first;
        at = readPointers_.data();
    }
    source_->Read(position + first, static_cast<std::int32_t>(last - first), at);
}

void SelectionDelegate::RethrowReadFailure() {
    if (!readFailure_) return;
    std::exception_ptr failure = readFailure_;
    readFailure_ = nullptr;
    std::rethrow_exception(failure);
}

std::vector<AudioRequest> SelectionDelegate::Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

AAX_Result SelectionDelegate::GetAudio(const float* const inputs[], std::int32_t inputCount, std::int64_t location,
                                       std::int32_t* ioSamples) noexcept {
    if (ioSamples == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    if (inputs == nullptr && inputCount > 0) return AAX_ERROR_NULL_ARGUMENT;
    AudioRequest request{location, inputCount, *ioSamples, 0};

    // Samples from `location` up to the selection end, at most the request, the capacity
    // and the read limit.
    const std::int64_t remaining = location >= Length() ? 0 : location < 0 ? INT64_MAX : Length() - location;
    const std::int64_t limit = readLimit_ > 0 ? readLimit_ : INT64_MAX;
    std::int64_t count = std::min<std::int64_t>({std::max(*ioSamples, 0), std::max(capacity_, 0), remaining, limit});
    // The host's buffers: the module hands back the pointers the host gave it.
    for (std::int32_t k = 0; k < inputCount; ++k) {
        float* buffer = const_cast<float*>(inputs[k]);
        if (k < ChannelCount()) readPointers_[static_cast<std::size_t>(k)] = buffer;
        if (buffer != nullptr && k >= ChannelCount()) std::fill(buffer, buffer + count, 0.0f);
    }
    for (std::int32_t k = std::max(inputCount, 0); k < ChannelCount(); ++k)
        readPointers_[static_cast<std::size_t>(k)] = nullptr;
    AAX_Result result = AAX_SUCCESS;
    try {
        Read(location, static_cast<std::int32_t>(count), readPointers_.data());
    } catch (...) {
        readFailure_ = std::current_exception();
        count = 0;
        result = AAX_ERROR_UNKNOWN_EXCEPTION;
    }
    *ioSamples = static_cast<std::int32_t>(count);
    request.delivered = *ioSamples;
    try {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(request);
    } catch (...) {
        // Out of memory: the samples were delivered; only the request's record is lost.
    }
    return result;
}

std::int32_t SelectionDelegate::GetSideChainInputNum() noexcept { return 0; }

AAX_Result SelectionDelegate::ForceAnalyze() noexcept {
    forceAnalyze_.fetch_add(1);
    return AAX_SUCCESS;
}

AAX_Result SelectionDelegate::ForceProcess() noexcept {
    forceProcess_.fetch_add(1);
    return AAX_SUCCESS;
}

}  // namespace aaxhost
