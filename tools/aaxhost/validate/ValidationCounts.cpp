#include "aaxhost/validate/ValidationCounts.h"

#include <cmath>

namespace aaxhost::validate {

namespace {

// `atLowest` at strictness 1, `atHighest` at 10, geometric in between.
int Between(int strictness, int atLowest, int atHighest) noexcept {
    if (strictness >= 10) return atHighest;
    const double fraction = static_cast<double>(strictness - 1) / 9.0;
    const double value = atLowest * std::pow(static_cast<double>(atHighest) / atLowest, fraction);
    return static_cast<int>(std::lround(value));
}

}  // namespace

ValidationCounts CountsAt(int strictness) noexcept {
    if (strictness < 1) strictness = 1;
    if (strictness > 10) strictness = 10;
    ValidationCounts counts;
    counts.loadCycles = Between(strictness, 8, kReleaseLoadCycles);
    counts.instanceThreads = Between(strictness, 2, kReleaseInstanceThreads);
    counts.instancesAliveAtOnce = Between(strictness, 4, kReleaseInstancesAliveAtOnce);
    counts.instances = Between(strictness, 8, kReleaseInstances);
    // Every thread makes as many instances, and holds them all before releasing any.
    counts.instances =
        (counts.instances + counts.instanceThreads - 1) / counts.instanceThreads * counts.instanceThreads;
    counts.largeChunks = strictness >= 10 ? kReleaseLargeChunks : strictness >= 5 ? 2 : 1;
    counts.corruptChunks = Between(strictness, 20, kReleaseCorruptChunks);
    counts.automationBlocks = Between(strictness, 200, kReleaseAutomationBlocks);
    return counts;
}

std::vector<std::pair<std::string, std::int64_t>> NamedCounts(const ValidationCounts& counts) {
    return {{"loadCycles", counts.loadCycles},           {"instances", counts.instances},
            {"instanceThreads", counts.instanceThreads}, {"instancesAliveAtOnce", counts.instancesAliveAtOnce},
            {"largeChunks", counts.largeChunks},         {"largeChunkBytes", counts.largeChunkBytes},
            {"corruptChunks", counts.corruptChunks},     {"automationBlocks", counts.automationBlocks}};
}

}  // namespace aaxhost::validate
