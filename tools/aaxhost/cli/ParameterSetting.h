#pragma once
// What "--set ID=VALUE" means for one instance. VALUE is either "@N", a normalised
// value N in [0, 1], or the parameter's value as the user reads it in the module's own
// display: for a parameter of at most kMaxEnumeratedSteps steps the text of one of its
// steps (case-insensitively, or a number equal to a numeric step text), for a
// continuous one a number within its displayed range ("-6" or "-6 dB"), found by
// searching the normalised values whose display text (GetParameterStringFromValue) shows
// it; the result is the middle of the values that display as that number.
// Unknown identifiers, malformed assignments and values the display never shows are
// refused with toolcli::UsageError. [ui-thread]

#include <string>

#include "aax/AAX_IACFEffectParameters.h"

namespace aaxhost::cli {

constexpr int kMaxEnumeratedSteps = 1000;

struct ParameterSetting {
    std::string identifier;
    double normalized = 0.0;
};

ParameterSetting ResolveParameterSetting(AAX_IACFEffectParameters& parameters, const std::string& assignment);

// The module's display text of a normalised value; "" when it gives none.
std::string DisplayText(AAX_IACFEffectParameters& parameters, const std::string& identifier, double normalized);

}  // namespace aaxhost::cli
