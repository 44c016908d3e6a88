#include "hostprocessor/OfflineArithmetic.h"

#include <algorithm>
#include <cmath>

#include "util/Timecode.h"

namespace {

constexpr std::int32_t kFrameRate24 = 1;
constexpr std::int32_t kFrameRate25 = 2;
constexpr std::int32_t kFrameRate2997NonDrop = 3;
constexpr std::int32_t kFrameRate2997DropFrame = 4;
constexpr std::int32_t kFrameRate30DropFrame = 6;
constexpr std::int32_t kFrameRate23976 = 7;

}  // namespace

std::int32_t AnalysisReadLength(std::int32_t window, std::int64_t sourceStart, std::int64_t sourceEnd,
                                std::int64_t location) noexcept {
    // The host's selections fit 32 bits per pass; the remainder is taken in 32 bits
    // like the window it is compared with.
    const auto left = static_cast<std::int32_t>(sourceEnd - sourceStart - location);
    return std::max<std::int32_t>(0, std::min(window, left));
}

std::int32_t RenderReadLength(std::int32_t window, std::int64_t sourceEnd, std::int64_t location) noexcept {
    const std::int64_t left = sourceEnd - location;
    return static_cast<std::int32_t>(std::max<std::int64_t>(0, std::min<std::int64_t>(window, left)));
}

std::int32_t PreRollReadLength(std::int32_t latency, std::int32_t done, std::int32_t window) noexcept {
    if (window < 1 || done >= latency) return 0;
    return std::min(latency - done, window);
}

std::int32_t DeliveredSamples(bool succeeded, std::int32_t requested, std::int32_t answered) noexcept {
    if (!succeeded) return 0;
    return std::max<std::int32_t>(0, std::min(requested, answered));
}

double TimecodeFramesPerSecond(std::int32_t frameRateCode) noexcept {
    switch (frameRateCode) {
    case kFrameRate24: return 24.0;
    case kFrameRate25: return 25.0;
    case kFrameRate2997NonDrop:
    case kFrameRate2997DropFrame: return 30000.0 / 1001.0;
    case kFrameRate23976: return 24000.0 / 1001.0;
    default: return 30.0;
    }
}

bool TimecodeOffsetSamples(std::int32_t frameRateCode, std::int32_t offsetFrames, double sampleRate,
                           std::uint64_t& samples) noexcept {
    if (offsetFrames < 0 || frameRateCode == kFrameRate30DropFrame) return false;
    if (!(sampleRate > 0.0)) return false;
    const bool dropFrame = frameRateCode == kFrameRate2997DropFrame;
    const double position = Util::FramesToSamples(static_cast<double>(offsetFrames), sampleRate,
                                                  TimecodeFramesPerSecond(frameRateCode), dropFrame);
    samples = static_cast<std::uint64_t>(std::round(position));
    return true;
}
