#include "util/Timecode.h"

#include <cmath>
#include <limits>

namespace Util {

namespace {

// Drop-frame counting: a ten-minute block holds 17982 frames (the first minute 1800,
// the nine others 1798 each, having lost the labels ;00 and ;01), counted on 30 labels
// per second.
constexpr std::uint32_t kDropFrameNominalRate = 30;
constexpr std::uint64_t kFramesPerTenMinutes = 17982;
constexpr std::uint64_t kFramesInFirstMinute = 1800;
constexpr std::uint64_t kFramesPerDroppingMinute = 1798;
constexpr std::uint64_t kLabelsDroppedPerMinute = 2;
constexpr std::uint64_t kLabelsDroppedPerTenMinutes = 18;

// The rate rounded up to a whole number; 0 for a rate that has none we can count
// with (zero, negative, not a number, or beyond 32 bits), which would otherwise
// divide by zero below.
std::uint32_t NominalRate(double framesPerSecond) {
    const double roundedUp = std::ceil(framesPerSecond);
    if (!(roundedUp >= 1.0) || roundedUp > std::numeric_limits<std::uint32_t>::max()) return 0;
    return static_cast<std::uint32_t>(std::llround(roundedUp));
}

// Frames before a drop-frame label.
double DropFrameCount(const Timecode& label) {
    const std::uint64_t totalMinutes = std::uint64_t{label.hours} * 60 + label.minutes;
    const std::uint64_t tenMinuteBlocks = totalMinutes / 10;
    const std::uint64_t minuteInBlock = totalMinutes - 10 * tenMinuteBlocks;

    std::uint64_t count = tenMinuteBlocks * kFramesPerTenMinutes;
    if (minuteInBlock != 0) count += kFramesInFirstMinute + (minuteInBlock - 1) * kFramesPerDroppingMinute;

    const bool minuteDropsLabels = label.minutes % 10 != 0;
    if (label.seconds != 0 && minuteDropsLabels)
        count += (kDropFrameNominalRate - kLabelsDroppedPerMinute) +
                 std::uint64_t{label.seconds - 1} * kDropFrameNominalRate;
    else
        count += std::uint64_t{label.seconds} * kDropFrameNominalRate;

    const double frames = label.frames;
    if (label.seconds == 0 && minuteDropsLabels && frames >= 2.0) return static_cast<double>(count) + (frames - 2.0);
    return static_cast<double>(count) + frames;
}

}  // namespace

double TimecodeToSamples(const Timecode& label, double sampleRate, double framesPerSecond, bool dropFrame) {
    const std::uint32_t nominal = NominalRate(framesPerSecond);
    if (nominal == 0) return 0.0;

    double frames;
    if (dropFrame) {
        frames = DropFrameCount(label);
    } else {
        const std::uint32_t minutesTerm = label.minutes * nominal * 60u;
        const std::uint32_t secondsTerm = label.seconds * nominal;
        frames = static_cast<double>(label.hours) * 3600.0 * nominal + minutesTerm + secondsTerm +
                 static_cast<double>(label.frames);
    }
    // Whole seconds of labels at the nominal rate, each lasting N / rate real seconds.
    return frames / nominal * (sampleRate * nominal / framesPerSecond);
}

Timecode FramesToTimecode(double frameCount, double framesPerSecond, bool dropFrame) {
    const std::uint32_t nominal = NominalRate(framesPerSecond);
    if (nominal == 0 || (dropFrame && nominal != kDropFrameNominalRate)) return Timecode{};
    // Only counts that an unsigned 64-bit integer holds can be truncated safely.
    if (!(frameCount >= 0.0) || frameCount >= 18446744073709551616.0) return Timecode{};

    const std::uint64_t whole = static_cast<std::uint64_t>(frameCount);
    std::uint64_t index = whole;
    if (dropFrame) {
        const std::uint64_t blocks = whole / kFramesPerTenMinutes;
        const std::uint64_t inBlock = whole % kFramesPerTenMinutes;
        index += kLabelsDroppedPerTenMinutes * blocks;
        if (inBlock >= kLabelsDroppedPerMinute)
            index += kLabelsDroppedPerMinute * ((inBlock - kLabelsDroppedPerMinute) / kFramesPerDroppingMinute);
    }

    const std::uint64_t totalSeconds = index / nominal;
    const double remainder =
        static_cast<double>(index - totalSeconds * nominal) + (frameCount - static_cast<double>(whole));
    Timecode label;
    label.hours = static_cast<std::uint32_t>(totalSeconds / 3600);
    label.minutes = static_cast<std::uint32_t>(totalSeconds % 3600 / 60);
    label.seconds = static_cast<std::uint32_t>(totalSeconds % 60);
    label.frames = static_cast<float>(remainder);
    return label;
}

double FramesToSamples(double frameCount, double sampleRate, double framesPerSecond, bool dropFrame) {
    const std::uint32_t nominal = NominalRate(framesPerSecond);
    if (nominal == 0 || (dropFrame && nominal != kDropFrameNominalRate)) return 0.0;
    if (!(frameCount >= 0.0) || frameCount >= 18446744073709551616.0) return 0.0;
    return TimecodeToSamples(FramesToTimecode(frameCount, framesPerSecond, dropFrame), sampleRate, framesPerSecond,
                             dropFrame);
}

}  // namespace Util
