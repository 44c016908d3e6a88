#pragma once
// The demo core's signal chain for one instance: every channel on its own and alike,
// a lookahead delay of kLatency samples, the gain, the filter of the mode, the polarity.
// All state is held inline for up to kMaxChannels channels, so processing and reset
// never allocate. The floating-point control state is saved, set to flush denormals
// for the block and restored, so callers see it unchanged. Pure (no system calls).
// One thread at a time: [audio-thread] realtime, [offline-thread] AudioSuite.

#include <cstdint>

#include "Biquad.h"
#include "DemoState.h"

namespace DemoCore {

constexpr std::uint32_t kMaxChannels = 24;
constexpr std::uint32_t kLatency = 64;

class DemoProcessor {
public:
    DemoProcessor() noexcept { Reset(); }

    // Clears the delay lines and the filters.
    void Reset() noexcept;
    // The delay actually applied, 1..kLatency (kLatency unless a fault shortens it).
    void SetDelay(std::uint32_t samples) noexcept;

    // Processes `channelCount` channels in place (null channels and those beyond
    // kMaxChannels are left alone). `extraGain` multiplies the settings' gain. Returns
    // the largest magnitude written.
    float Process(float* const* channels, std::uint32_t channelCount, std::uint32_t samples, const Settings& settings,
                  double sampleRate, float extraGain = 1.0f) noexcept;

private:
    void UpdateFilter(std::uint32_t mode, float frequency, double sampleRate) noexcept;

    float delay_[kMaxChannels][kLatency];
    BiquadState filters_[kMaxChannels];
    std::uint32_t position_ = 0;
    std::uint32_t delayLength_ = kLatency;
    BiquadCoefficients coefficients_;
    std::uint32_t filterMode_ = kModeClean;
    float filterFrequency_ = 0.0f;
    double filterRate_ = 0.0;
};

}  // namespace DemoCore
