#pragma once
// CheckScope: what the checks run over: the effects of the package a group applies to
// (or every check of the group skipped), the sample rates and block sizes of the
// processing grid chosen by the strictness, and whether an earlier check already
// reported a fault (so that one fault turns one check red, and the checks after it say
// they saw it too instead of failing again).
// [ui-thread]

#include <cstdint>
#include <string>
#include <vector>

#include "aaxhost/validate/Validation.h"

namespace aaxhost::validate {

// Records every check of `names` in `group` as skipped for `reason`.
void SkipAll(Validation& validation, const char* group, const std::vector<const char*>& names,
             const std::string& reason);

// The package's effects that `wanted` accepts, in order. When the module did not
// register, or no effect is wanted, every check of `names` in `group` is recorded as
// skipped (with `noneReason` in the second case) and the list is empty.
std::vector<const EffectDescription*> EffectsOrSkip(Validation& validation, const char* group,
                                                    const std::vector<const char*>& names,
                                                    bool (*wanted)(const EffectDescription&),
                                                    const std::string& noneReason);

// 44100 to 192000 Hz: two at strictness 1, all six from strictness 8; 48000 first.
std::vector<float> GridSampleRates(const Validation& validation);
// 1, 17, 64, 512, 1024 and 2027 samples: the odd and the tiny ones are always there.
std::vector<std::int32_t> GridBlockSizes(const Validation& validation);
constexpr std::int32_t kLargestGridBlock = 2027;

// A check of that group and name ran already and failed.
bool CheckFailed(const Validation& validation, const std::string& group, const std::string& name);

}  // namespace aaxhost::validate
