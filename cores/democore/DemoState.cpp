#include "DemoState.h"

#include <cmath>
#include <cstring>

#include "DemoStaticInfo.h"

namespace DemoCore {
namespace {

std::uint32_t ReadU32(const std::uint8_t* bytes) noexcept {
    std::uint32_t value;
    std::memcpy(&value, bytes, 4);
    return value;
}

float ReadF32(const std::uint8_t* bytes) noexcept {
    float value;
    std::memcpy(&value, bytes, 4);
    return value;
}

bool InRange(std::uint32_t index, float value) noexcept {
    const ParameterDefinition* definition = DefinitionOf(index);
    return !std::isnan(value) && value >= definition->minimum && value <= definition->maximum;
}

}  // namespace

Settings DefaultSettings() noexcept {
    Settings settings{};
    for (std::uint32_t i = 0; i < kParameterCount; ++i) settings.values[i] = DefinitionOf(i)->defaultValue;
    return settings;
}

void EncodeState(const Settings& settings, std::uint8_t* out) noexcept {
    const std::uint32_t mode = static_cast<std::uint32_t>(settings.values[kMode]);
    const std::uint32_t invert = settings.values[kInvert] != 0.0f ? 1 : 0;
    std::memcpy(out, &kStateMagic, 4);
    std::memcpy(out + 4, &settings.values[kGain], 4);
    std::memcpy(out + 8, &settings.values[kFrequency], 4);
    std::memcpy(out + 12, &mode, 4);
    std::memcpy(out + 16, &invert, 4);
}

bool DecodeState(const std::uint8_t* bytes, std::size_t size, std::uint32_t version, Settings& out) noexcept {
    const std::size_t expected = version == 1 ? kStateSizeV1 : version == 2 ? kStateSizeV2 : 0;
    if (expected == 0 || size != expected || !bytes) return false;
    if (ReadU32(bytes) != kStateMagic) return false;
    Settings decoded{};
    decoded.values[kGain] = ReadF32(bytes + 4);
    decoded.values[kFrequency] = ReadF32(bytes + 8);
    const std::uint32_t mode = ReadU32(bytes + 12);
    const std::uint32_t invert = version >= 2 ? ReadU32(bytes + 16) : 0;
    if (!InRange(kGain, decoded.values[kGain]) || !InRange(kFrequency, decoded.values[kFrequency])) return false;
    if (mode > kModeHighpass || invert > 1) return false;
    decoded.values[kMode] = static_cast<float>(mode);
    decoded.values[kInvert] = static_cast<float>(invert);
    out = decoded;
    return true;
}

bool DecodeLegacyState(const std::uint8_t* bytes, std::size_t size, Settings& out) noexcept {
    if (!bytes || size < kStateHeaderSize) return false;
    const std::uint32_t formatId = ReadU32(bytes);
    const std::uint32_t version = ReadU32(bytes + 4);
    const std::uint32_t payloadSize = ReadU32(bytes + 8);
    if (formatId != kStateFormatId || payloadSize != size - kStateHeaderSize) return false;
    return DecodeState(bytes + kStateHeaderSize, payloadSize, version, out);
}

bool SameSettings(const Settings& a, const Settings& b, float tolerance) noexcept {
    if (!(tolerance >= 0.0f)) tolerance = 0.0f;
    return std::fabs(a.values[kGain] - b.values[kGain]) <= tolerance &&
           std::fabs(a.values[kFrequency] - b.values[kFrequency]) <= tolerance * b.values[kFrequency] &&
           a.values[kMode] == b.values[kMode] && a.values[kInvert] == b.values[kInvert];
}

}  // namespace DemoCore
