#pragma once
// A second-order lowpass or highpass section (Butterworth Q) in transposed direct form
// II, with double-precision state. Coefficients are recomputed only when the caller
// asks; nothing allocates. Pure. One filter per channel: [audio-thread] or
// [offline-thread], whichever runs the block.

#include <cmath>

namespace DemoCore {

struct BiquadCoefficients {
    double b0 = 1.0, b1 = 0.0, b2 = 0.0, a1 = 0.0, a2 = 0.0;  // a0 normalised to 1

    // `frequency` is kept inside 10 Hz .. 0.45 x the sample rate so the design stays stable.
    static BiquadCoefficients Lowpass(double frequency, double sampleRate) noexcept;
    static BiquadCoefficients Highpass(double frequency, double sampleRate) noexcept;
};

struct BiquadState {
    double z1 = 0.0, z2 = 0.0;

    // A NaN or infinity that reaches the state would stay in it for good and silence the
    // channel with NaN from then on: the state starts afresh instead, so only the samples
    // that were not finite come out that way.
    float Run(const BiquadCoefficients& c, float input) noexcept {
        const double x = input;
        const double y = c.b0 * x + z1;
        z1 = c.b1 * x - c.a1 * y + z2;
        z2 = c.b2 * x - c.a2 * y;
        if (!std::isfinite(z1) || !std::isfinite(z2)) Clear();
        return static_cast<float>(y);
    }
    void Clear() noexcept { z1 = z2 = 0.0; }
};

}  // namespace DemoCore
