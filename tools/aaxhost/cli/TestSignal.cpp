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

std::vector<std::vector<float>> MakeSignal(const SignalSettings& settings) {
    constexpr double kTwoPi = 6.283185307179586;
    const std::size_t frames = settings.frames > 0 ? static_cast<std::size_t>(settings.frames) : 0;
    const double level = std::pow(10.0, settings.levelDb / 20.0);
    std::vector<float> signal(frames, 0.0f);
    switch (settings.kind) {
    case SignalKind::Sine:
        for (std::size_t i = 0; i < frames; ++i)
            signal[i] = static_cast<float>(level * std::sin(kTwoPi * settings.frequency * i / settings.sampleRate));
        break;
    case SignalKind::Sweep: {
        // Phase of a sweep whose frequency rises exponentially from f0 to f1 over T.
        const double f0 = 20.0;
        const double f1 = std::min(20000.0, settings.sampleRate * 0.45);
        const double seconds = std::max(1.0, static_cast<double>(frames)) / settings.sampleRate;
        const double rate = std::log(f1 / f0);
        for (std::size_t i = 0; i < frames; ++i) {
            const double t = i / settings.sampleRate;
            const double phase = kTwoPi * f0 * seconds / rate * (std::exp(t / seconds * rate) - 1.0);
            signal[i] = static_cast<float>(level * std::sin(phase));
        }
        break;
    }
    case SignalKind::Noise: {
        // A 64-bit linear congruential generator: the same file on every machine.
        std::uint64_t state = 0x4C6D44656D6FULL;
        for (std::size_t i = 0; i < frames; ++i) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            const double unit = static_cast<double>(state >> 11) / 9007199254740992.0;  // [0, 1)
            signal[i] = static_cast<float>(level * (2.0 * unit - 1.0));
        }
        break;
    }
    case SignalKind::Impulses: {
        const std::size_t spacing = std::max<std::size_t>(1, static_cast<std::size_t>(settings.sampleRate / 2.0));
        for (std::size_t i = 0; i < frames; i += spacing) signal[i] = static_cast<float>(level);
        break;
    }
    }
    return std::vector<std::vector<float>>(static_cast<std::size_t>(std::max(0, settings.channels)), signal);
}

}  // namespace aaxhost::cli
