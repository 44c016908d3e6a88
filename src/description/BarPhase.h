#pragma once
// Where the playhead stands in its bar, as the core's transport record carries it: the
// samples left to the end of the current bar, measured in quarter-note lengths scaled
// by the meter, once per beat (value 1) and for the whole bar (value 2). Computed in
// single precision, as the core expects. Pure arithmetic. [any-thread]

#include <cstdint>

struct BarPhase {
    float beatValue;  // samples per quarter x r / (denominator / 4)
    float barValue;   // numerator x the same
};

// r = 1 - (beats into the current bar) / (beats per bar), the beats counted from
// `tickPosition` (960000 ticks per quarter note) in units of the meter's denominator.
// False (and `out` untouched) unless numerator, denominator and tempo are all positive.
bool ComputeBarPhase(double sampleRate, double tempo, std::int32_t numerator, std::int32_t denominator,
                     std::int64_t tickPosition, BarPhase& out) noexcept;
