#include "aaxhost/validate/CheckScope.h"

#include "aaxhost/validate/InstanceRig.h"

namespace aaxhost::validate {

std::vector<const EffectDescription*> RealtimeEffects(const PackageDescription& package) {
    std::vector<const EffectDescription*> effects;
    for (const EffectDescription& effect : package.effects)
        if (IsRealtimeEffect(effect)) effects.push_back(&effect);
    return effects;
}

std::vector<float> GridSampleRates(const Validation& validation) {
    static const float kRates[] = {48000.0f, 44100.0f, 96000.0f, 192000.0f, 88200.0f, 176400.0f};
    const int count = validation.Scaled(2, 8) > 6 ? 6 : validation.Scaled(2, 8);
    return std::vector<float>(kRates, kRates + count);
}

std::vector<std::int32_t> GridBlockSizes(const Validation& validation) {
    std::vector<std::int32_t> sizes = {1, 17, 512, kLargestGridBlock};
    if (validation.Strictness() >= 3) sizes.push_back(64);
    if (validation.Strictness() >= 5) sizes.push_back(1024);
    return sizes;
}

bool CheckFailed(const Validation& validation, const std::string& group, const std::string& name) {
    for (const CheckResult& result : validation.Results())
        if (result.group == group && result.name == name && result.outcome == Outcome::Failed) return true;
    return false;
}

}  // namespace aaxhost::validate
