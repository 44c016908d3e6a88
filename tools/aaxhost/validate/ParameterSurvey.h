#pragma once
// What the host learns about an instance's parameters through the effect parameters
// interface, and the host's side of their texts: the parameters checks and the state
// checks share it. Refusals throw CheckFailure naming the parameter and the result.
// [ui-thread], one instance at a time.

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "aax/AAX_Enums.h"
#include "aax/AAX_IACFEffectParameters.h"

namespace aaxhost::validate {

struct ParameterInfo {
    std::string id;
    std::string name;
    AAX_EParameterType type = AAX_eParameterType_Continuous;
    std::int32_t steps = 0;
    double defaultValue = 0.0;  // normalised
    bool automatable = false;
    bool masterBypass = false;  // the instance's master bypass: not part of its state

    // Discrete with at least two steps: only the step values k / (steps - 1) exist.
    bool Discrete() const noexcept { return type == AAX_eParameterType_Discrete && steps >= 2; }
    // Step k of a discrete parameter, normalised.
    double StepValue(std::int32_t k) const noexcept { return static_cast<double>(k) / (steps - 1); }
};

// Every parameter in index order; checks that identifiers and indices agree.
std::vector<ParameterInfo> SurveyParameters(AAX_IACFEffectParameters& parameters);

// GetParameterStringFromValue / GetParameterValueString; Fail on a refusal.
std::string TextOfValue(AAX_IACFEffectParameters& parameters, const ParameterInfo& info, double normalized);
std::string CurrentText(AAX_IACFEffectParameters& parameters, const ParameterInfo& info);
// GetParameterNormalizedValue; Fail on a refusal.
double CurrentValue(AAX_IACFEffectParameters& parameters, const ParameterInfo& info);

// The host's reading of a display text back into a normalised value: for a discrete
// parameter the step that shows this text; for a continuous one the value, found by
// bisection over the displayed numbers, that shows it. Empty when no value shows the
// text (or a continuous text holds no number).
std::optional<double> ValueOfText(AAX_IACFEffectParameters& parameters, const ParameterInfo& info,
                                  const std::string& text);

// The leading decimal number of a display text, e.g. -3.50 of "-3.50 dB".
std::optional<double> LeadingNumber(const std::string& text);

// A random value the parameter can take (a step value when discrete).
double RandomValue(const ParameterInfo& info, std::mt19937_64& random);
// Sets every parameter but the master bypass to a random value through
// SetParameterNormalizedValue; Fail on a refusal.
void RandomizeParameters(AAX_IACFEffectParameters& parameters, const std::vector<ParameterInfo>& infos,
                         std::mt19937_64& random);
// The normalised values of every parameter but the master bypass, in order.
std::vector<double> StateValues(AAX_IACFEffectParameters& parameters, const std::vector<ParameterInfo>& infos);
// The first parameter whose value differs beyond the tolerance (exact for discrete
// ones), e.g. "Gain is 0.25 instead of 0.75"; empty when they agree.
std::string FirstValueDifference(const std::vector<ParameterInfo>& infos, const std::vector<double>& expected,
                                 const std::vector<double>& actual);

}  // namespace aaxhost::validate
