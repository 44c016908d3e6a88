#include "aaxhost/validate/ParameterSurvey.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "aax/AAX_CString.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/validate/CheckText.h"
#include "aaxhost/validate/Validation.h"

namespace aaxhost::validate {

namespace {

constexpr double kContinuousTolerance = 1e-5;

void ExpectSuccess(AAX_Result result, const std::string& what) {
    Expect(result == AAX_SUCCESS, what + " returned " + ResultText(result));
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

}  // namespace

std::vector<ParameterInfo> SurveyParameters(AAX_IACFEffectParameters& parameters) {
    std::int32_t count = 0;
    ExpectSuccess(parameters.GetNumberOfParameters(&count), "GetNumberOfParameters");
    Expect(count >= 0, "GetNumberOfParameters gives " + std::to_string(count));
    AAX_CString bypass;
    ExpectSuccess(parameters.GetMasterBypassParameter(&bypass), "GetMasterBypassParameter");
    std::vector<ParameterInfo> infos;
    for (std::int32_t index = 0; index < count; ++index) {
        ParameterInfo info;
        AAX_CString id;
        ExpectSuccess(parameters.GetParameterIDFromIndex(index, &id),
                      "GetParameterIDFromIndex(" + std::to_string(index) + ")");
        info.id = id.StdString();
        const char* cid = info.id.c_str();
        const std::string what = "parameter " + Quote(info.id);
        std::int32_t back = -1;
        ExpectSuccess(parameters.GetParameterIndex(cid, &back), "GetParameterIndex of " + what);
        Expect(back == index,
               what + " is at index " + std::to_string(index) + " but GetParameterIndex gives " + std::to_string(back));
        AAX_CString name;
        ExpectSuccess(parameters.GetParameterName(cid, &name), "GetParameterName of " + what);
        info.name = name.StdString();
        ExpectSuccess(parameters.GetParameterType(cid, &info.type), "GetParameterType of " + what);
        ExpectSuccess(parameters.GetParameterNumberOfSteps(cid, &info.steps), "GetParameterNumberOfSteps of " + what);
        ExpectSuccess(parameters.GetParameterDefaultNormalizedValue(cid, &info.defaultValue),
                      "GetParameterDefaultNormalizedValue of " + what);
        AAX_CBoolean automatable = 0;
        ExpectSuccess(parameters.GetParameterIsAutomatable(cid, &automatable), "GetParameterIsAutomatable of " + what);
        info.automatable = automatable != 0;
        info.masterBypass = !bypass.Empty() && bypass.StdString() == info.id;
        infos.push_back(info);
    }
    return infos;
}

std::string TextOfValue(AAX_IACFEffectParameters& parameters, const ParameterInfo& info, double normalized) {
    AAX_CString text;
    ExpectSuccess(parameters.GetParameterStringFromValue(info.id.c_str(), normalized, &text, kDisplayTextLength),
                  "GetParameterStringFromValue(" + Quote(info.id) + ", " + Number(normalized) + ")");
    return text.StdString();
}

std::string CurrentText(AAX_IACFEffectParameters& parameters, const ParameterInfo& info) {
    AAX_CString text;
    ExpectSuccess(parameters.GetParameterValueString(info.id.c_str(), &text, kDisplayTextLength),
                  "GetParameterValueString(" + Quote(info.id) + ")");
    return text.StdString();
}

double CurrentValue(AAX_IACFEffectParameters& parameters, const ParameterInfo& info) {
    double value = 0.0;
    ExpectSuccess(parameters.GetParameterNormalizedValue(info.id.c_str(), &value),
                  "GetParameterNormalizedValue(" + Quote(info.id) + ")");
    return value;
}

std::optional<double> LeadingNumber(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ') ++start;
    const char* begin = text.c_str() + start;
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> ValueOfText(AAX_IACFEffectParameters& parameters, const ParameterInfo& info,
                                  const std::string& text) {
    if (info.Discrete()) {
        for (std::int32_t k = 0; k < info.steps; ++k)
            if (TextOfValue(parameters, info, info.StepValue(k)) == text) return info.StepValue(k);
        return std::nullopt;
    }
    const std::optional<double> wanted = LeadingNumber(text);
    if (!wanted) return std::nullopt;
    const auto shown = [&](double n) { return LeadingNumber(TextOfValue(parameters, info, n)); };
    const std::optional<double> atLow = shown(0.0), atHigh = shown(1.0);
    if (!atLow || !atHigh || *atLow == *atHigh) return std::nullopt;
    const bool rising = *atHigh > *atLow;
    double low = 0.0, high = 1.0;
    for (int i = 0; i < 48; ++i) {
        const double middle = 0.5 * (low + high);
        const std::optional<double> number = shown(middle);
        if (!number) return std::nullopt;
        if (TextOfValue(parameters, info, middle) == text) return middle;
        if ((*number < *wanted) == rising)
            low = middle;
        else
            high = middle;
    }
    for (const double n : {low, high})
        if (TextOfValue(parameters, info, n) == text) return n;
    return std::nullopt;
}

double RandomValue(const ParameterInfo& info, std::mt19937_64& random) {
    if (info.Discrete()) return info.StepValue(std::uniform_int_distribution<std::int32_t>(0, info.steps - 1)(random));
    return std::uniform_real_distribution<double>(0.0, 1.0)(random);
}

void RandomizeParameters(AAX_IACFEffectParameters& parameters, const std::vector<ParameterInfo>& infos,
                         std::mt19937_64& random) {
    for (const ParameterInfo& info : infos) {
        if (info.masterBypass) continue;
        const double value = RandomValue(info, random);
        ExpectSuccess(parameters.SetParameterNormalizedValue(info.id.c_str(), value),
                      "SetParameterNormalizedValue(" + Quote(info.id) + ", " + Number(value) + ")");
    }
}

std::vector<double> StateValues(AAX_IACFEffectParameters& parameters, const std::vector<ParameterInfo>& infos) {
    std::vector<double> values;
    for (const ParameterInfo& info : infos)
        if (!info.masterBypass) values.push_back(CurrentValue(parameters, info));
    return values;
}

std::string FirstValueDifference(const std::vector<ParameterInfo>& infos, const std::vector<double>& expected,
                                 const std::vector<double>& actual) {
    std::size_t at = 0;
    for (const ParameterInfo& info : infos) {
        if (info.masterBypass) continue;
        if (at >= expected.size() || at >= actual.size()) break;
        const double tolerance = info.Discrete() ? 1e-9 : kContinuousTolerance;
        if (!(std::fabs(expected[at] - actual[at]) <= tolerance))
            return "parameter " + Quote(info.id) + " is " + Number(actual[at]) + " instead of " + Number(expected[at]);
        ++at;
    }
    return {};
}

}  // namespace aaxhost::validate
