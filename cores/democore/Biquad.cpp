#include "Biquad.h"

#include <cmath>

namespace DemoCore {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kQ = 0.70710678118654752440;

struct Design {
    double cosine;
    double alpha;
};

Design DesignFor(double frequency, double sampleRate) noexcept {
    if (!(sampleRate > 0.0)) sampleRate = 48000.0;
    const double highest = 0.45 * sampleRate;
    if (!(frequency >= 10.0)) frequency = 10.0;
    if (frequency > highest) frequency = highest;
    const double omega = 2.0 * kPi * frequency / sampleRate;
    return {std::cos(omega), std::sin(omega) / (2.0 * kQ)};
}

}  // namespace

BiquadCoefficients BiquadCoefficients::Lowpass(double frequency, double sampleRate) noexcept {
    const Design d = DesignFor(frequency, sampleRate);
    const double a0 = 1.0 + d.alpha;
    BiquadCoefficients c;
    c.b0 = (1.0 - d.cosine) / 2.0 / a0;
    c.b1 = (1.0 - d.cosine) / a0;
    c.b2 = c.b0;
    c.a1 = -2.0 * d.cosine / a0;
    c.a2 = (1.0 - d.alpha) / a0;
    return c;
}

BiquadCoefficients BiquadCoefficients::Highpass(double frequency, double sampleRate) noexcept {
    const Design d = DesignFor(frequency, sampleRate);
    const double a0 = 1.0 + d.alpha;
    BiquadCoefficients c;
    c.b0 = (1.0 + d.cosine) / 2.0 / a0;
    c.b1 = -(1.0 + d.cosine) / a0;
    c.b2 = c.b0;
    c.a1 = -2.0 * d.cosine / a0;
    c.a2 = (1.0 - d.alpha) / a0;
    return c;
}

}  // namespace DemoCore
