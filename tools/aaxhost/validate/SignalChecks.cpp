#include "aaxhost/validate/SignalChecks.h"

#include <cmath>
#include <cstdio>

namespace aaxhost::validate {

const char* SampleFaultName(SampleFault fault) noexcept {
    switch (fault) {
    case SampleFault::None: return "none";
    case SampleFault::NaN: return "NaN";
    case SampleFault::Infinity: return "Inf";
    case SampleFault::Subnormal: return "subnormal";
    }
    return "none";
}

SampleFault ClassifySample(float value) noexcept {
    switch (std::fpclassify(value)) {
    case FP_NAN: return SampleFault::NaN;
    case FP_INFINITE: return SampleFault::Infinity;
    case FP_SUBNORMAL: return SampleFault::Subnormal;
    default: return SampleFault::None;
    }
}

std::optional<BadSample> FindBadSample(const float* samples, std::size_t count, bool subnormalsAreBad) noexcept {
    for (std::size_t i = 0; i < count; ++i) {
        const SampleFault fault = ClassifySample(samples[i]);
        if (fault == SampleFault::None || (fault == SampleFault::Subnormal && !subnormalsAreBad)) continue;
        return BadSample{i, fault, samples[i]};
    }
    return std::nullopt;
}

std::size_t PeakIndex(const float* samples, std::size_t count) noexcept {
    std::size_t peak = count;
    float largest = 0.0f;
    for (std::size_t i = 0; i < count; ++i) {
        const float magnitude = std::fabs(samples[i]);
        if (magnitude > largest) {
            largest = magnitude;
            peak = i;
        }
    }
    return peak;
}

std::string DescribeSample(float value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

}  // namespace aaxhost::validate
