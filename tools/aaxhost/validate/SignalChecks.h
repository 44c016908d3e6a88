#pragma once
// SignalChecks: what the validator looks for in audio a module produced: samples that
// are not finite (NaN, infinity) or are subnormal, and where an impulse came back.
// Pure, no Windows calls. [any-thread]

#include <cstddef>
#include <optional>
#include <string>

namespace aaxhost::validate {

enum class SampleFault { None, NaN, Infinity, Subnormal };
// "NaN", "Inf", "subnormal", "none".
const char* SampleFaultName(SampleFault fault) noexcept;

SampleFault ClassifySample(float value) noexcept;

struct BadSample {
    std::size_t index = 0;
    SampleFault fault = SampleFault::None;
    float value = 0.0f;
};

// The first sample of `samples` that is NaN or infinite, or subnormal when
// `subnormalsAreBad`; none when every sample is a normal number or zero.
std::optional<BadSample> FindBadSample(const float* samples, std::size_t count, bool subnormalsAreBad = true) noexcept;

// The index of the sample of largest magnitude (the first of equals); `count` when
// every sample is zero or there is none.
std::size_t PeakIndex(const float* samples, std::size_t count) noexcept;

// A sample for a reason: "nan", "inf", "-inf", or the value with up to 9 significant
// digits ("1.40129846e-45").
std::string DescribeSample(float value);

}  // namespace aaxhost::validate
