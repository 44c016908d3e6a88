#include "description/BarPhase.h"

bool ComputeBarPhase(double sampleRate, double tempo, std::int32_t numerator, std::int32_t denominator,
                     std::int64_t tickPosition, BarPhase& out) noexcept {
    if (numerator <= 0 || denominator <= 0 || !(tempo > 0.0)) return false;
    const float samplesPerQuarter = static_cast<float>(sampleRate) / (static_cast<float>(tempo) / 60.0f);
    const float beatsPerBar = static_cast<float>(numerator);
    const float beatUnit = static_cast<float>(denominator) / 4.0f;
    float position = static_cast<float>(static_cast<double>(tickPosition) / 960000.0) * beatUnit;
    // Whole bars away; a negative position (pre-roll) stays as it is, as the core expects.
    if (position >= beatsPerBar) {
        const float bars = static_cast<float>(static_cast<std::int64_t>(position / beatsPerBar));
        position -= bars * beatsPerBar;
        while (position >= beatsPerBar) position -= beatsPerBar;  // rounding left a whole bar
        if (position < 0.0f) position = 0.0f;
    }
    const float r = 1.0f - position / beatsPerBar;
    out.beatValue = samplesPerQuarter * r / beatUnit;
    out.barValue = static_cast<float>(numerator) * samplesPerQuarter * r / beatUnit;
    return true;
}
