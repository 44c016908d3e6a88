#pragma once
// CheckScope: what the signal checks run over, chosen by the strictness: the realtime
// effects of the package, the sample rates and block sizes of the processing grid,
// and whether an earlier check already reported a fault (so that one fault turns one
// check red, and the checks after it say they saw it too instead of failing again).
// [ui-thread]

#include <cstdint>
#include <string>
#include <vector>

#include "aaxhost/validate/Validation.h"

namespace aaxhost::validate {

// The effects of the package with a realtime component, in the package's order.
std::vector<const EffectDescription*> RealtimeEffects(const PackageDescription& package);

// 44100 to 192000 Hz: two at strictness 1, all six from strictness 8; 48000 first.
std::vector<float> GridSampleRates(const Validation& validation);
// 1, 17, 64, 512, 1024 and 2027 samples: the odd and the tiny ones are always there.
std::vector<std::int32_t> GridBlockSizes(const Validation& validation);
constexpr std::int32_t kLargestGridBlock = 2027;

// A check of that group and name ran already and failed.
bool CheckFailed(const Validation& validation, const std::string& group, const std::string& name);

}  // namespace aaxhost::validate
