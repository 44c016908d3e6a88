#include "aaxhost/validate/TestSignals.h"

#include <cmath>

#include "aaxhost/validate/SignalChecks.h"

namespace aaxhost::validate {

const char* TestSignalName(TestSignal signal) noexcept {
    switch (signal) {
    case TestSignal::Silence: return "silence";
    case TestSignal::Noise: return "noise";
    case TestSignal::Impulse: return "impulse";
    }
    return "silence";
}

std::vector<float> MakeTestSignal(TestSignal signal, std::size_t length, std::mt19937_64& random,
                                  std::size_t impulseAt) {
    std::vector<float> samples(length, 0.0f);
    if (signal == TestSignal::Noise) {
        std::uniform_real_distribution<float> noise(-0.5f, 0.5f);
        for (float& sample : samples) {
            sample = noise(random);
            // The input itself must hold no subnormal, or the output check would blame
            // the module for what it was given.
            if (std::fabs(sample) < 1e-20f) sample = 0.0f;
        }
    } else if (signal == TestSignal::Impulse && impulseAt < length) {
        samples[impulseAt] = 1.0f;
    }
    return samples;
}

std::vector<float> MakeChannelSignature(std::int32_t channel, std::size_t spacing, std::size_t length) {
    std::vector<float> samples(length, 0.0f);
    const std::size_t second = static_cast<std::size_t>(channel + 1) * spacing;
    if (length > 0) samples[0] = 1.0f;
    if (second < length) samples[second] = 1.0f;
    return samples;
}

std::int32_t IdentifyChannelSignature(const std::vector<float>& output, std::size_t spacing) {
    if (spacing < 2) return -1;
    const std::size_t first = PeakIndex(output.data(), output.size());
    if (first == output.size()) return -1;
    // The second peak: the largest sample farther than half a spacing from the first,
    // so that a plug-in's own ringing around one impulse is not taken for the other.
    const std::size_t guard = spacing / 2;
    std::size_t second = output.size();
    float largest = 0.0f;
    for (std::size_t i = 0; i < output.size(); ++i) {
        const std::size_t distance = i > first ? i - first : first - i;
        if (distance <= guard) continue;
        const float magnitude = std::fabs(output[i]);
        if (magnitude > largest) {
            largest = magnitude;
            second = i;
        }
    }
    // Both impulses went through the same processing: a second peak far below the
    // first is ringing or noise, not the other impulse.
    if (second == output.size() || largest < 0.25f * std::fabs(output[first])) return -1;
    const std::size_t distance = second > first ? second - first : first - second;
    const std::size_t steps = (distance + spacing / 2) / spacing;
    const std::size_t offBy = distance > steps * spacing ? distance - steps * spacing : steps * spacing - distance;
    if (steps < 1 || offBy > spacing / 8) return -1;
    return static_cast<std::int32_t>(steps - 1);
}

}  // namespace aaxhost::validate
