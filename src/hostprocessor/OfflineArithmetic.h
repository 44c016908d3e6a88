#pragma once
// The arithmetic of an offline pass, apart from any host: how many samples a block
// reads, how the latency pre-roll is cut into reads, and where the timeline's time
// code starts in samples. Pure functions, no state: [any-thread].

#include <cstdint>

// Samples an analysis block reads at `location` (0 at the source start): the window,
// or what is left of the source when that is less, computed in 32 bits. Never
// negative: a location at or past the source end reads nothing.
std::int32_t AnalysisReadLength(std::int32_t window, std::int64_t sourceStart, std::int64_t sourceEnd,
                                std::int64_t location) noexcept;

// Samples a render block reads at `location`: the window, or what is left before the
// source end when that is less; never negative.
std::int32_t RenderReadLength(std::int32_t window, std::int64_t sourceEnd, std::int64_t location) noexcept;

// The next read of the latency pre-roll when `done` of `latency` samples have been
// pulled: at most one window. 0 when the pre-roll is complete, and also for a window
// below 1, which could never complete it.
std::int32_t PreRollReadLength(std::int32_t latency, std::int32_t done, std::int32_t window) noexcept;

// Samples a read actually delivered: the host's answer kept within 0 and `requested`,
// 0 when the read failed.
std::int32_t DeliveredSamples(bool succeeded, std::int32_t requested, std::int32_t answered) noexcept;

// Frames per second of an AAX time-code frame-rate code: 24, 25, 29.97 (codes 3 and 4),
// 23.976 (code 7), otherwise 30.
double TimecodeFramesPerSecond(std::int32_t frameRateCode) noexcept;

// The sample position where the timeline's time code starts, from the host's offset in
// frames: frames at the code's rate converted at `sampleRate` (drop-frame counting for
// code 4), rounded to the nearest sample, halves away from zero. False when nothing is
// to be sent: a negative offset, 30 fps drop-frame (code 6), or a sample rate that is
// not positive.
bool TimecodeOffsetSamples(std::int32_t frameRateCode, std::int32_t offsetFrames, double sampleRate,
                           std::uint64_t& samples) noexcept;
