#pragma once
// The rules that turn a core parameter of kind Int (and of any unknown kind) into a
// discrete host parameter: its whole-number range, its number of steps and the labels
// of its values. The core's values are floats of its own choosing, so every
// float-to-integer conversion here is defined for NaN and for values beyond the
// 32-bit range. Pure functions. [any-thread]

#include <cstdint>
#include <map>

#include "aax/AAX_CString.h"
#include "util/String.h"

// Truncated toward zero; NaN gives 0, values beyond the int32_t range its nearer end.
std::int32_t TruncateToInt32(double value) noexcept;

// The number of values from minimum to maximum: (maximum - minimum + 1) truncated,
// counted the same way when the range is given the other way round (maximum below
// minimum), at least 1, and 1 for a NaN end.
std::uint32_t IntStepCount(float minimum, float maximum) noexcept;

// Labels for an Int parameter that the core gave none: with lo and hi the minimum and
// maximum rounded half away from zero, the decimal numbers lo, lo + 1, ..., hi joined
// by tabs when 0 <= lo <= hi, hi - lo + 1 <= kMaxGeneratedLabels and hi fits an
// int32_t; otherwise the empty text.
constexpr float kMaxGeneratedLabels = 100.0f;
Util::String GenerateIntLabels(float minimum, float maximum);

// The labels text split at tabs: label k (from 0) names the value k + minimum,
// computed in single precision and truncated toward zero. Empty pieces (between two
// tabs, after a trailing tab) keep their places as empty labels; the empty text is
// one empty label, for the minimum. When two labels land on the same value (a minimum
// too large for single precision to count by one), the first keeps it.
std::map<std::int32_t, AAX_CString> IntLabelMap(const Util::String& labels, float minimum);
