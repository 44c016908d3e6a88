#pragma once
// Time-code conversion: a time-code label or a count of time-code frames to a sample
// position, with SMPTE drop-frame counting at 29.97 frames per second (labels ;00 and
// ;01 are skipped at the start of every minute that is not a multiple of ten).
//
// Rates are frames per second as a double (30000.0 / 1001 for 29.97). The nominal rate
// is that value rounded up to a whole number: 30 for 29.97, 24 for 23.976.
// Results are unrounded sample positions; callers round as they need.
// Pure functions, no state: [any-thread].

#include <cstdint>

namespace Util {

struct Timecode {
    std::uint32_t hours = 0;
    std::uint32_t minutes = 0;  // 0 to 59
    std::uint32_t seconds = 0;  // 0 to 59
    float frames = 0.0f;        // the frame label within the second; may carry a fraction
};

// The sample position of a label. Drop-frame labels are counted at 30 labels per
// second whatever the rate. A rate whose nominal value is not a positive 32-bit
// number gives 0.0.
double TimecodeToSamples(const Timecode& label, double sampleRate, double framesPerSecond, bool dropFrame);

// The label of the frame `frameCount` frames after 00:00:00:00; the fraction of the
// count stays in `frames`. Drop-frame needs a nominal rate of 30; any other rate, a
// negative or non-finite count and an unusable rate give the zero label.
Timecode FramesToTimecode(double frameCount, double framesPerSecond, bool dropFrame);

// The sample position of a frame count: frameCount × sampleRate ÷ framesPerSecond.
// Drop-frame at a nominal rate other than 30 gives 0.0, and so do the inputs that
// FramesToTimecode refuses.
double FramesToSamples(double frameCount, double sampleRate, double framesPerSecond, bool dropFrame);

}  // namespace Util
