#include "DemoParameters.h"

#include <cmath>

#include "contract/CoreParameterInfo.h"
#include "contract/RecordText.h"

namespace DemoCore {
namespace {

constexpr std::uint32_t kLinearTaper = 1;
constexpr std::uint32_t kLogTaper = 15;

const ParameterDefinition kDefinitions[kParameterCount] = {
    {"Gain", kParameterFloat, -24.0f, 24.0f, 0.0f, kLinearTaper, ""},
    {"Frequency", kParameterFloat, 20.0f, 20000.0f, 1000.0f, kLogTaper, ""},
    {"Mode", kParameterInt, 0.0f, 2.0f, 0.0f, kLinearTaper, "Clean\tLowpass\tHighpass"},
    {"Invert", kParameterBool, 0.0f, 1.0f, 0.0f, kLinearTaper, ""},
};

}  // namespace

const ParameterDefinition* DefinitionOf(std::uint32_t index) noexcept {
    return index < kParameterCount ? &kDefinitions[index] : nullptr;
}

void Describe(std::uint32_t index, CoreParameterInfo& record) noexcept {
    const ParameterDefinition* definition = DefinitionOf(index);
    if (!definition) return;
    WriteRecordText(record.names, definition->name);
    WriteRecordText(record.secondNames, definition->name);
    WriteRecordText(record.valueLabels, definition->labels);
    record.kind = definition->kind;
    record.exposureA = 1;
    record.minimum = definition->minimum;
    record.maximum = definition->maximum;
    record.defaultValue = definition->defaultValue;
    record.type = definition->type;
}

float Conform(std::uint32_t index, float value) noexcept {
    const ParameterDefinition* definition = DefinitionOf(index);
    if (!definition) return 0.0f;
    if (definition->kind == kParameterBool) return value != 0.0f ? 1.0f : 0.0f;  // NaN != 0
    if (std::isnan(value)) return definition->defaultValue;
    if (definition->kind == kParameterInt) value = std::trunc(value);
    if (value < definition->minimum) return definition->minimum;
    if (value > definition->maximum) return definition->maximum;
    return value;
}

double ToPosition(std::uint32_t index, float value) noexcept {
    const ParameterDefinition* definition = DefinitionOf(index);
    if (!definition) return 0.0;
    const double v = Conform(index, value);
    if (definition->type == kLogTaper)
        return std::log(v / definition->minimum) /
               std::log(static_cast<double>(definition->maximum) / definition->minimum);
    return (v - definition->minimum) / (static_cast<double>(definition->maximum) - definition->minimum);
}

float FromPosition(std::uint32_t index, double position) noexcept {
    const ParameterDefinition* definition = DefinitionOf(index);
    if (!definition) return 0.0f;
    if (!(position > 0.0)) position = 0.0;  // NaN too
    if (position > 1.0) position = 1.0;
    double value;
    if (definition->type == kLogTaper)
        value =
            definition->minimum * std::pow(static_cast<double>(definition->maximum) / definition->minimum, position);
    else
        value = definition->minimum + position * (static_cast<double>(definition->maximum) - definition->minimum);
    if (definition->kind != kParameterFloat) value = std::floor(value + 0.5);
    return Conform(index, static_cast<float>(value));
}

}  // namespace DemoCore
