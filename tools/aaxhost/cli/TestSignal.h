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

// The same signal a piece at a time, for a file too long to hold: the pieces in order
// are MakeSignal's channel.
class SignalGenerator {
public:
    explicit SignalGenerator(const SignalSettings& settings);
    // The next `count` samples (past `frames`, the signal goes on as it would).
    void Next(float* out, std::size_t count);

private:
    SignalSettings settings_;
    double level_;
    std::size_t position_ = 0;
    std::uint64_t noiseState_ = 0x4C6D44656D6FULL;
};

}  // namespace aaxhost::cli
