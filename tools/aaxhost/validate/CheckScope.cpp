#include "aaxhost/validate/CheckScope.h"

namespace aaxhost::validate {

void SkipAll(Validation& validation, const char* group, const std::vector<const char*>& names,
             const std::string& reason) {
    for (const char* name : names) validation.Skip(group, name, reason);
}

std::vector<const EffectDescription*> EffectsOrSkip(Validation& validation, const char* group,
                                                    const std::vector<const char*>& names,
                                                    bool (*wanted)(const EffectDescription&),
                                                    const std::string& noneReason) {
    std::vector<const EffectDescription*> effects;
    if (!validation.Registered()) {
        SkipAll(validation, group, names, "the module did not register");
        return effects;
    }
    for (const EffectDescription& effect : validation.Package().effects)
        if (wanted(effect)) effects.push_back(&effect);
    if (effects.empty()) SkipAll(validation, group, names, noneReason);
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
    return validation.Failed(group, name);
}

}  // namespace aaxhost::validate
