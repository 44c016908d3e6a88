#include "aaxhost/cli/ParameterSetting.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "aax/AAX_CString.h"
#include "aaxhost/EffectInstance.h"
#include "toolcli/CommandLine.h"

namespace aaxhost::cli {
namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The number a text starts with ("-6.00", "-6 dB", "+3"); none when it starts otherwise.
std::optional<double> LeadingNumber(const std::string& text) {
    const std::string trimmed = Trimmed(text);
    char* end = nullptr;
    const double value = std::strtod(trimmed.c_str(), &end);
    if (end == trimmed.c_str() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// The number a whole text is ("3", " 2.50 "); none for anything else.
std::optional<double> WholeNumber(const std::string& text) {
    const std::string trimmed = Trimmed(text);
    char* end = nullptr;
    const double value = std::strtod(trimmed.c_str(), &end);
    if (trimmed.empty() || end != trimmed.c_str() + trimmed.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool SameNumber(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(a)); }

std::string KnownIdentifiers(AAX_IACFEffectParameters& parameters) {
    std::int32_t count = 0;
    parameters.GetNumberOfParameters(&count);
    std::string known;
    for (std::int32_t i = 0; i < count; ++i) {
        AAX_CString id;
        if (parameters.GetParameterIDFromIndex(i, &id) == AAX_SUCCESS)
            known += (known.empty() ? "\"" : ", \"") + id.StdString() + "\"";
    }
    return known.empty() ? "none" : known;
}

double FromSteps(AAX_IACFEffectParameters& parameters, const std::string& id, std::int32_t steps,
                 const std::string& value) {
    const std::optional<double> number = WholeNumber(value);
    std::string shown;
    for (std::int32_t k = 0; k < steps; ++k) {
        const double normalized = steps == 1 ? 0.0 : static_cast<double>(k) / (steps - 1);
        const std::string text = Trimmed(DisplayText(parameters, id, normalized));
        if (SameText(text, Trimmed(value))) return normalized;
        const std::optional<double> stepNumber = WholeNumber(text);
        if (number && stepNumber && SameNumber(*stepNumber, *number)) return normalized;
        if (k < 20) shown += (shown.empty() ? "\"" : ", \"") + text + "\"";
    }
    throw toolcli::UsageError("\"" + value + "\" is not a value of " + id + " (its values: " + shown +
                              (steps > 20 ? ", ..." : "") + ")");
}

double FromContinuous(AAX_IACFEffectParameters& parameters, const std::string& id, const std::string& value) {
    const std::optional<double> target = LeadingNumber(value);
    if (!target)
        throw toolcli::UsageError("the value of " + id + " must be a number or @normalised, not \"" + value + "\"");
    auto shown = [&](double normalized) { return LeadingNumber(DisplayText(parameters, id, normalized)); };
    const std::optional<double> low = shown(0.0);
    const std::optional<double> high = shown(1.0);
    if (!low || !high)
        throw toolcli::UsageError(id + " does not display its values as numbers: set it with @normalised");
    const bool rising = *high >= *low;
    if (*target < std::min(*low, *high) || *target > std::max(*low, *high))
        throw toolcli::UsageError(value + " is outside the range of " + id + " (" + DisplayText(parameters, id, 0.0) +
                                  " to " + DisplayText(parameters, id, 1.0) + ")");
    // Display texts are rounded: find where the shown number first reaches the target
    // and where it first passes it, and take the middle.
    auto edge = [&](bool passing) {
        double below = 0.0;
        double above = 1.0;
        for (int i = 0; i < 60; ++i) {
            const double middle = 0.5 * (below + above);
            const double number = shown(middle).value_or(*target);
            const bool beyond = rising ? (passing ? number > *target : number >= *target)
                                       : (passing ? number < *target : number <= *target);
            (beyond ? above : below) = middle;
        }
        return above;
    };
    const double reach = edge(false);
    const double pass = edge(true);
    const std::optional<double> atReach = shown(reach);
    return atReach && SameNumber(*atReach, *target) ? 0.5 * (reach + pass) : reach;
}

}  // namespace

std::string DisplayText(AAX_IACFEffectParameters& parameters, const std::string& identifier, double normalized) {
    AAX_CString text;
    if (parameters.GetParameterStringFromValue(identifier.c_str(), normalized, &text, kDisplayTextLength) !=
        AAX_SUCCESS)
        return "";
    return text.StdString();
}

ParameterSetting ResolveParameterSetting(AAX_IACFEffectParameters& parameters, const std::string& assignment) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0 || equals + 1 == assignment.size())
        throw toolcli::UsageError("--set takes ID=VALUE, not \"" + assignment + "\"");
    ParameterSetting setting;
    setting.identifier = assignment.substr(0, equals);
    const std::string value = assignment.substr(equals + 1);
    std::int32_t index = -1;
    if (parameters.GetParameterIndex(setting.identifier.c_str(), &index) != AAX_SUCCESS)
        throw toolcli::UsageError("the effect has no parameter \"" + setting.identifier +
                                  "\"; its parameters: " + KnownIdentifiers(parameters));
    if (value[0] == '@') {
        setting.normalized =
            toolcli::ParseNumber(value.substr(1), 0.0, 1.0, "the normalised value of " + setting.identifier);
        return setting;
    }
    std::int32_t steps = 0;
    AAX_EParameterType type = AAX_eParameterType_Continuous;
    parameters.GetParameterNumberOfSteps(setting.identifier.c_str(), &steps);
    parameters.GetParameterType(setting.identifier.c_str(), &type);
    if (type == AAX_eParameterType_Discrete && steps >= 1 && steps <= kMaxEnumeratedSteps)
        setting.normalized = FromSteps(parameters, setting.identifier, steps, value);
    else
        setting.normalized = FromContinuous(parameters, setting.identifier, value);
    return setting;
}

}  // namespace aaxhost::cli
