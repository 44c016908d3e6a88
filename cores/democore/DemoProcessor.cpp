#include "DemoProcessor.h"

#include <xmmintrin.h>

#include <cmath>
#include <cstring>

namespace DemoCore {
namespace {

constexpr unsigned kFlushToZero = 0x8000;
constexpr unsigned kDenormalsAreZero = 0x0040;

// Flushes denormals for one block and restores the caller's control state after.
class DenormalGuard {
public:
    DenormalGuard() noexcept : saved_(_mm_getcsr()) { _mm_setcsr(saved_ | kFlushToZero | kDenormalsAreZero); }
    ~DenormalGuard() { _mm_setcsr(saved_); }
    DenormalGuard(const DenormalGuard&) = delete;
    DenormalGuard& operator=(const DenormalGuard&) = delete;

private:
    unsigned saved_;
};

}  // namespace

void DemoProcessor::Reset() noexcept {
    std::memset(delay_, 0, sizeof delay_);
    for (BiquadState& filter : filters_) filter.Clear();
    position_ = 0;
}

void DemoProcessor::SetDelay(std::uint32_t samples) noexcept {
    if (samples < 1) samples = 1;
    if (samples > kLatency) samples = kLatency;
    if (samples == delayLength_) return;
    delayLength_ = samples;
    Reset();
}

void DemoProcessor::UpdateFilter(std::uint32_t mode, float frequency, double sampleRate) noexcept {
    if (mode == filterMode_ && frequency == filterFrequency_ && sampleRate == filterRate_) return;
    if (mode != filterMode_)
        for (BiquadState& filter : filters_) filter.Clear();
    filterMode_ = mode;
    filterFrequency_ = frequency;
    filterRate_ = sampleRate;
    if (mode == kModeLowpass) coefficients_ = BiquadCoefficients::Lowpass(frequency, sampleRate);
    if (mode == kModeHighpass) coefficients_ = BiquadCoefficients::Highpass(frequency, sampleRate);
}

float DemoProcessor::Process(float* const* channels, std::uint32_t channelCount, std::uint32_t samples,
                             const Settings& settings, double sampleRate, float extraGain) noexcept {
    if (!channels || samples == 0) return 0.0f;
    DenormalGuard guard;
    const auto mode = static_cast<std::uint32_t>(settings.values[kMode]);
    UpdateFilter(mode, settings.values[kFrequency], sampleRate);
    float gain = static_cast<float>(std::pow(10.0, settings.values[kGain] / 20.0)) * extraGain;
    if (settings.values[kInvert] != 0.0f) gain = -gain;
    const bool filtered = mode == kModeLowpass || mode == kModeHighpass;

    float peak = 0.0f;
    std::uint32_t end = position_;
    const std::uint32_t count = channelCount < kMaxChannels ? channelCount : kMaxChannels;
    for (std::uint32_t c = 0; c < count; ++c) {
        float* samplesOf = channels[c];
        if (!samplesOf) continue;
        float* line = delay_[c];
        BiquadState& filter = filters_[c];
        std::uint32_t position = position_;
        for (std::uint32_t i = 0; i < samples; ++i) {
            const float input = samplesOf[i];
            float value = line[position] * gain;
            line[position] = input;
            if (++position == delayLength_) position = 0;
            if (filtered) value = filter.Run(coefficients_, value);
            samplesOf[i] = value;
            const float magnitude = std::fabs(value);
            if (magnitude > peak) peak = magnitude;
        }
        end = position;
    }
    position_ = end;
    return peak;
}

}  // namespace DemoCore
