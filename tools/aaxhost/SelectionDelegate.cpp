#include "aaxhost/SelectionDelegate.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <utility>

namespace aaxhost {

SelectionDelegate::SelectionDelegate(std::vector<std::vector<float>> channels) : channels_(std::move(channels)) {
    for (const auto& channel : channels_)
        if (channel.size() != channels_[0].size()) throw std::invalid_argument("selection channels differ in length");
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
    const std::int64_t count =
        std::min<std::int64_t>({std::max(*ioSamples, 0), std::max(capacity_, 0), remaining, limit});
    for (std::int32_t k = 0; k < inputCount; ++k) {
        // The host's buffers: the module hands back the pointers the host gave it.
        float* buffer = const_cast<float*>(inputs[k]);
        if (buffer == nullptr) continue;
        for (std::int64_t i = 0; i < count; ++i) {
            const std::int64_t position = location + i;
            buffer[i] = k < ChannelCount() && position >= 0
                            ? channels_[static_cast<std::size_t>(k)][static_cast<std::size_t>(position)]
                            : 0.0f;
        }
    }
    *ioSamples = static_cast<std::int32_t>(count);
    request.delivered = *ioSamples;
    try {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(request);
    } catch (...) {
        // Out of memory: the samples were delivered; only the request's record is lost.
    }
    return AAX_SUCCESS;
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
