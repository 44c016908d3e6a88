#include "aaxhost/cli/TestSignal.h"

#include <algorithm>
#include <cmath>

namespace aaxhost::cli {

bool ParseSignalKind(const std::string& name, SignalKind& kind) noexcept {
    if (name == "sine")
        kind = SignalKind::Sine;
    else if (name == "sweep")
        kind = SignalKind::Sweep;
    else if (name == "noise")
        kind = SignalKind::Noise;
    else if (name == "impulses")
        kind = SignalKind::Impulses;
    else
        return false;
    return true;
}

SignalGenerator::SignalGenerator(const SignalSettings& settings)
    : settings_(settings), level_(std::pow(10.0, settings.levelDb / 20.0)) {}

void SignalGenerator::Next(float* out, std::size_t count) {
    constexpr double kTwoPi = 6.283185307179586;
    const std::size_t frames = settings_.frames > 0 ? static_cast<std::size_t>(settings_.frames) : 0;
    const double level = level_;
    const std::size_t start = position_;
    position_ += count;
    switch (settings_.kind) {
    case SignalKind::Sine:
        for (std::size_t n = 0, i = start; n < count; ++n, ++i)
            out[n] = static_cast<float>(level * std::sin(kTwoPi * settings_.frequency * i / settings_.sampleRate));
        break;
    case SignalKind::Sweep: {
        // Phase of a sweep whose frequency rises exponentially from f0 to f1 over T.
        const double f0 = 20.0;
        const double f1 = std::min(20000.0, settings_.sampleRate * 0.45);
        const double seconds = std::max(1.0, static_cast<double>(frames)) / settings_.sampleRate;
        const double rate = std::log(f1 / f0);
        for (std::size_t n = 0, i = start; n < count; ++n, ++i) {
            const double t = i / settings_.sampleRate;
            const double phase = kTwoPi * f0 * seconds / rate * (std::exp(t / seconds * rate) - 1.0);
            out[n] = static_cast<float>(level * std::sin(phase));
        }
        break;
    }
    case SignalKind::Noise:
        // A 64-bit linear congruential generator: the same file on every machine.
        for (std::size_t n = 0; n < count; ++n) {
            noiseState_ = noiseState_ * 6364136223846793005ULL + 1442695040888963407ULL;
            const double unit = static_cast<double>(noiseState_ >> 11) / 9007199254740992.0;  // [0, 1)
            out[n] = static_cast<float>(level * (2.0 * unit - 1.0));
        }
        break;
    case SignalKind::Impulses: {
        const std::size_t spacing = std::max<std::size_t>(1, static_cast<std::size_t>(settings_.sampleRate / 2.0));
        for (std::size_t n = 0, i = start; n < count; ++n, ++i)
            out[n] = i % spacing == 0 ? static_cast<float>(level) : 0.0f;
        break;
    }
    }
}

std::vector<std::vector<float>> MakeSignal(const SignalSettings& settings) {
    const std::size_t frames = settings.frames > 0 ? static_cast<std::size_t>(settings.frames) : 0;
    std::vector<float> signal(frames, 0.0f);
    SignalGenerator(settings).Next(signal.data(), frames);
    return std::vector<std::vector<float>>(static_cast<std::size_t>(std::max(0, settings.channels)), signal);
}

}  // namespace aaxhost::cli
