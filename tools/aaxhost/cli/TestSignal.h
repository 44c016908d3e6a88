#pragma once
// Test signals for aaxhost generate: what a team renders through a plug-in to hear and
// measure it. Pure and deterministic (noise comes from a fixed seed). [any-thread]

#include <cstdint>
#include <string>
#include <vector>

namespace aaxhost::cli {

enum class SignalKind {
    Sine,      // a steady tone at `frequency`
    Sweep,     // a logarithmic sweep from 20 Hz to 20 kHz (or Nyquist) over the length
    Noise,     // white noise, uniform in [-level, level]
    Impulses,  // one full-level sample every half second, the first at sample 0
};

struct SignalSettings {
    SignalKind kind = SignalKind::Sweep;
    double sampleRate = 48000.0;
    std::int64_t frames = 96000;
    int channels = 2;
    double levelDb = -12.0;    // peak level in dBFS (impulses: the impulse's height)
    double frequency = 440.0;  // Sine
};

// "sine", "sweep", "noise", "impulses"; false for any other name.
bool ParseSignalKind(const std::string& name, SignalKind& kind) noexcept;

// `channels` channels of `frames` samples; every channel carries the same signal.
std::vector<std::vector<float>> MakeSignal(const SignalSettings& settings);

}  // namespace aaxhost::cli
