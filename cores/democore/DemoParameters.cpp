#include "DemoParameters.h"

#include <cmath>
#include <cstring>

#include "hook/records/CoreParameterInfo.h"

namespace DemoCore {
namespace {

constexpr std::uint32_t kLinearTaper = 1;
constexpr std::uint32_t kLogTaper = 15;

const ParameterSpec kSpecs[kParameterCount] = {
    {"Gain", kParameterFloat, -24.0f, 24.0f, 0.0f, kLinearTaper, ""},
    {"Frequency", kParameterFloat, 20.0f, 20000.0f, 1000.0f, kLogTaper, ""},
    {"Mode", kParameterInt, 0.0f, 2.0f, 0.0f, kLinearTaper, "Clean\tLowpass\tHighpass"},
    {"Invert", kParameterBool, 0.0f, 1.0f, 0.0f, kLinearTaper, ""},
};

template <std::size_t N>
void CopyText(char (&field)[N], const char* text) {
    const std::size_t length = std::strlen(text);
    const std::size_t kept = length < N ? length : N - 1;
    std::memcpy(field, text, kept);
    field[kept] = '\0';
}

}  // namespace

const ParameterSpec* SpecOf(std::uint32_t index) noexcept {
    return index < kParameterCount ? &kSpecs[index] : nullptr;
}

void Describe(std::uint32_t index, CoreParameterInfo& record) noexcept {
    const ParameterSpec* spec = SpecOf(index);
    if (!spec) return;
    CopyText(record.names, spec->name);
    CopyText(record.secondNames, spec->name);
    CopyText(record.valueLabels, spec->labels);
    record.kind = spec->kind;
    record.exposureA = 1;
    record.minimum = spec->minimum;
    record.maximum = spec->maximum;
    record.defaultValue = spec->defaultValue;
    record.type = spec->type;
}

float Conform(std::uint32_t index, float value) noexcept {
    const ParameterSpec* spec = SpecOf(index);
    if (!spec) return 0.0f;
    if (spec->kind == kParameterBool) return value != 0.0f ? 1.0f : 0.0f;  // NaN != 0
    if (std::isnan(value)) return spec->defaultValue;
    if (spec->kind == kParameterInt) value = std::trunc(value);
    if (value < spec->minimum) return spec->minimum;
    if (value > spec->maximum) return spec->maximum;
    return value;
}

double ToPosition(std::uint32_t index, float value) noexcept {
    const ParameterSpec* spec = SpecOf(index);
    if (!spec) return 0.0;
    const double v = Conform(index, value);
    if (spec->type == kLogTaper)
        return std::log(v / spec->minimum) / std::log(static_cast<double>(spec->maximum) / spec->minimum);
    return (v - spec->minimum) / (static_cast<double>(spec->maximum) - spec->minimum);
}

float FromPosition(std::uint32_t index, double position) noexcept {
    const ParameterSpec* spec = SpecOf(index);
    if (!spec) return 0.0f;
    if (!(position > 0.0)) position = 0.0;  // NaN too
    if (position > 1.0) position = 1.0;
    double value;
    if (spec->type == kLogTaper)
        value = spec->minimum * std::pow(static_cast<double>(spec->maximum) / spec->minimum, position);
    else
        value = spec->minimum + position * (static_cast<double>(spec->maximum) - spec->minimum);
    if (spec->kind != kParameterFloat) value = std::floor(value + 0.5);
    return Conform(index, static_cast<float>(value));
}

}  // namespace DemoCore
