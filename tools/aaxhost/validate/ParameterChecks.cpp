// The validator's "parameters" checks, over an initialised instance of every effect:
// identifiers unique and short enough for the host, defaults in range and readable back
// from their text, normalised value -> text -> value round trips, and every parameter
// taken through its whole range.
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "aaxhost/EffectInstance.h"
#include "aaxhost/validate/CheckText.h"
#include "aaxhost/validate/ParameterSurvey.h"
#include "aaxhost/validate/ValidationGroups.h"

namespace aaxhost::validate {

namespace {

// The host's limit for a parameter identifier, in bytes.
constexpr std::size_t kMaxIdentifierLength = 31;
constexpr double kContinuousTolerance = 1e-4;
// How far (normalised) the value read back from a continuous text may lie from the value
// shown: the display rounds, the reading must land on the same text nearby.
constexpr double kTextTolerance = 0.02;

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

struct EffectUnderTest {
    const EffectDescription* effect;
    std::unique_ptr<EffectInstance> instance;
    std::vector<ParameterInfo> parameters;
};

EffectUnderTest Open(const EffectDescription& effect) {
    EffectUnderTest test{&effect, CreateEffectInstance(effect), {}};
    Expect(test.instance != nullptr, "effect " + Quote(effect.identifier) + " made no effect parameters object");
    const AAX_Result initialized = test.instance->Initialize();
    Expect(initialized == AAX_SUCCESS,
           "effect " + Quote(effect.identifier) + ": Initialize returned " + ResultText(initialized));
    test.parameters = SurveyParameters(*test.instance->Parameters());
    return test;
}

// Runs `body` for every parameter of a fresh instance of every effect; the count.
int ForEveryParameter(Validation& validation,
                      const std::function<void(EffectUnderTest&, const ParameterInfo&, const std::string&)>& body) {
    int count = 0;
    for (const EffectDescription& effect : validation.Package().effects) {
        EffectUnderTest test = Open(effect);
        for (const ParameterInfo& info : test.parameters) {
            body(test, info, "effect " + Quote(effect.identifier) + " parameter " + Quote(info.id));
            ++count;
        }
    }
    return count;
}

// The value read back from `text` must show the same text and lie near `expected`
// (exactly on it for a discrete parameter).
void ExpectTextReadsBack(AAX_IACFEffectParameters& parameters, const ParameterInfo& info, const std::string& text,
                         double expected, const std::string& where) {
    const std::optional<double> back = ValueOfText(parameters, info, text);
    Expect(back.has_value(), where + ": no value shows the text " + Quote(text) + " it gives for " + Number(expected));
    const double tolerance = info.Discrete() ? 1e-9 : kTextTolerance;
    Expect(std::fabs(*back - expected) <= tolerance,
           where + ": the text " + Quote(text) + " of " + Number(expected) + " reads back as " + Number(*back));
}

std::string CheckIdentifiers(Validation& validation) {
    int count = 0;
    for (const EffectDescription& effect : validation.Package().effects) {
        const EffectUnderTest test = Open(effect);
        std::set<std::string> seen;
        for (const ParameterInfo& info : test.parameters) {
            const std::string where = "effect " + Quote(effect.identifier) + " parameter " + Quote(info.id);
            Expect(!info.id.empty(),
                   "effect " + Quote(effect.identifier) + " has a parameter with an empty identifier");
            Expect(info.id.size() <= kMaxIdentifierLength, where + " has " + std::to_string(info.id.size()) +
                                                               " characters, more than " +
                                                               std::to_string(kMaxIdentifierLength));
            Expect(seen.insert(info.id).second, where + " is used twice");
            Expect(!info.name.empty(), where + " has no name");
            ++count;
        }
    }
    return std::to_string(count) + " parameter identifiers, unique per effect, at most " +
           std::to_string(kMaxIdentifierLength) + " characters";
}

std::string CheckDefaults(Validation& validation) {
    const int count = ForEveryParameter(validation, [](EffectUnderTest& test, const ParameterInfo& info,
                                                       const std::string& where) {
        AAX_IACFEffectParameters& parameters = *test.instance->Parameters();
        Expect(std::isfinite(info.defaultValue) && info.defaultValue >= 0.0 && info.defaultValue <= 1.0,
               where + ": default " + Number(info.defaultValue) + " is outside 0..1");
        const double current = CurrentValue(parameters, info);
        Expect(std::fabs(current - info.defaultValue) <= kContinuousTolerance,
               where + ": a new instance holds " + Number(current) + ", not its default " + Number(info.defaultValue));
        const std::string text = TextOfValue(parameters, info, info.defaultValue);
        Expect(!text.empty(), where + ": the default " + Number(info.defaultValue) + " shows an empty text");
        ExpectTextReadsBack(parameters, info, text, info.defaultValue, where);
    });
    return std::to_string(count) + " defaults in 0..1, held by new instances, their texts reading back";
}

std::string CheckRoundTrips(Validation& validation) {
    const int randomPoints = validation.Scaled(4, 24);
    auto& random = validation.Random();
    const int count =
        ForEveryParameter(validation, [&](EffectUnderTest& test, const ParameterInfo& info, const std::string& where) {
            AAX_IACFEffectParameters& parameters = *test.instance->Parameters();
            std::vector<double> points;
            if (info.Discrete() && info.steps <= 1024) {
                for (std::int32_t k = 0; k < info.steps; ++k) points.push_back(info.StepValue(k));
            } else {
                points = {0.0, 0.25, 0.5, 0.75, 1.0};
                for (int i = 0; i < randomPoints; ++i) points.push_back(RandomValue(info, random));
            }
            for (const double point : points) {
                const std::string at =
                    where + " at " + Number(point) + " (seed " + std::to_string(validation.GetOptions().seed) + ")";
                const AAX_Result set = test.instance->SetParameter(info.id.c_str(), point);
                Expect(set == AAX_SUCCESS, at + ": SetParameterNormalizedValue returned " + ResultText(set));
                if (info.masterBypass) {
                    // A hook-made bypass acts in the render path and leaves its parameter
                    // object alone: only its texts can be checked here.
                    ExpectTextReadsBack(parameters, info, TextOfValue(parameters, info, point), point, at);
                    continue;
                }
                const double value = CurrentValue(parameters, info);
                const double tolerance = info.Discrete() ? 1e-9 : kContinuousTolerance;
                Expect(std::fabs(value - point) <= tolerance, at + ": reads back as " + Number(value));
                const std::string text = CurrentText(parameters, info);
                const std::string shown = TextOfValue(parameters, info, value);
                Expect(text == shown,
                       at + ": the current value shows " + Quote(text) + " but its value converts to " + Quote(shown));
                ExpectTextReadsBack(parameters, info, text, value, at);
            }
        });
    return std::to_string(count) + " parameters: value -> text -> value round trips, every step of discrete ones";
}

std::string CheckTraversal(Validation& validation) {
    const int continuousSteps = validation.Scaled(32, 512);
    int values = 0;
    const int count =
        ForEveryParameter(validation, [&](EffectUnderTest& test, const ParameterInfo& info, const std::string& where) {
            AAX_IACFEffectParameters& parameters = *test.instance->Parameters();
            const int steps = info.Discrete() ? info.steps : continuousSteps + 1;
            std::optional<double> previous;
            int direction = 0;
            for (int k = 0; k < steps; ++k) {
                const double point = static_cast<double>(k) / (steps - 1);
                const AAX_Result set = test.instance->SetParameter(info.id.c_str(), point);
                Expect(set == AAX_SUCCESS,
                       where + " at " + Number(point) + ": SetParameterNormalizedValue returned " + ResultText(set));
                const double value = CurrentValue(parameters, info);
                Expect(std::isfinite(value) && value >= 0.0 && value <= 1.0,
                       where + " at " + Number(point) + ": reads back " + Number(value) + ", outside 0..1");
                const std::string text = CurrentText(parameters, info);
                Expect(!text.empty(), where + " at " + Number(point) + ": the display text is empty");
                if (!info.Discrete()) {
                    // A continuous display moves one way through the range.
                    const std::optional<double> number = LeadingNumber(text);
                    if (number && previous && *number != *previous) {
                        const int now = *number > *previous ? 1 : -1;
                        Expect(direction == 0 || now == direction,
                               where + ": the display turns back at " + Number(point) + " (" + Quote(text) + ")");
                        direction = now;
                    }
                    if (number) previous = number;
                }
                ++values;
            }
            const AAX_Result reset = test.instance->SetParameter(info.id.c_str(), info.defaultValue);
            Expect(reset == AAX_SUCCESS, where + ": setting the default back returned " + ResultText(reset));
        });
    return std::to_string(count) + " parameters through their whole range, " + std::to_string(values) +
           " values accepted, every text shown";
}

}  // namespace

void RunParameterChecks(Validation& validation) {
    const bool registered = validation.Registered();
    struct Check {
        const char* name;
        std::string (*body)(Validation&);
    };
    const Check checks[] = {
        {"identifiers", CheckIdentifiers},
        {"defaults", CheckDefaults},
        {"round-trip", CheckRoundTrips},
        {"traversal", CheckTraversal},
    };
    for (const Check& check : checks) {
        if (registered)
            validation.Run("parameters", check.name, [&] { return check.body(validation); });
        else
            validation.Skip("parameters", check.name, "the module did not register");
    }
}

}  // namespace aaxhost::validate
