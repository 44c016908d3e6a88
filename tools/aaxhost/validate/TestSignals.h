#pragma once
// TestSignals: the input signals the validator feeds a module. Every random sample
// comes from the validation's seeded source, so a failing case can be replayed with
// the same --seed. Pure, no Windows calls. [any-thread], one caller per generator.

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace aaxhost::validate {

enum class TestSignal { Silence, Noise, Impulse };
// "silence", "noise", "impulse".
const char* TestSignalName(TestSignal signal) noexcept;

// `length` samples: zeros; white noise in [-0.5, 0.5] with no subnormal sample; or a
// unit impulse at `impulseAt` (none when it lies outside).
std::vector<float> MakeTestSignal(TestSignal signal, std::size_t length, std::mt19937_64& random,
                                  std::size_t impulseAt = 0);

// A channel that names itself: unit impulses at 0 and at (channel + 1) * spacing, so
// the distance between its two peaks tells which input channel a signal came from
// whatever delay and gain it went through.
std::vector<float> MakeChannelSignature(std::int32_t channel, std::size_t spacing, std::size_t length);

// The input channel whose signature `output` carries (the distance between its two
// largest peaks, `spacing` apart per channel), or -1 when it carries none that can be
// told: silence, a single peak, or peaks whose distance fits no channel.
std::int32_t IdentifyChannelSignature(const std::vector<float>& output, std::size_t spacing);

}  // namespace aaxhost::validate
