#pragma once
// The demo core's parameters: their order (the core index the hook names them by),
// ranges, defaults and kinds, and the conversions the editor needs between a value and
// a control position. Pure tables and arithmetic. [any-thread]

#include <cstdint>

struct CoreParameterInfo;

namespace DemoCore {

enum ParameterIndex : std::uint32_t {
    kGain = 0,       // Float, dB
    kFrequency = 1,  // Float, Hz, logarithmic
    kMode = 2,       // Int: 0 Clean, 1 Lowpass, 2 Highpass
    kInvert = 3,     // Bool: polarity
    kParameterCount = 4,
};

enum FilterMode : std::uint32_t { kModeClean = 0, kModeLowpass = 1, kModeHighpass = 2 };

struct ParameterDefinition {
    const char* name;
    std::uint32_t kind;  // ParameterKind of the hook's records
    float minimum;
    float maximum;
    float defaultValue;
    std::uint32_t type;  // 15: logarithmic taper; 1: linear
    const char* labels;  // tab-separated labels of an Int parameter, else ""
};

// Null for an index of kParameterCount or more.
const ParameterDefinition* DefinitionOf(std::uint32_t index) noexcept;

// Fills one description record (which the hook zero-filled) for the parameter.
void Describe(std::uint32_t index, CoreParameterInfo& record) noexcept;

// The value a parameter takes when set to `value`: Float clamped to its range, Int
// truncated toward zero and clamped, Bool 0 or 1 (any non-zero, NaN included, is 1).
// A NaN Float or Int gives the default.
float Conform(std::uint32_t index, float value) noexcept;

// A control position 0..1 for a value and back, along the parameter's taper
// (logarithmic for Frequency).
double ToPosition(std::uint32_t index, float value) noexcept;
float FromPosition(std::uint32_t index, double position) noexcept;

}  // namespace DemoCore
