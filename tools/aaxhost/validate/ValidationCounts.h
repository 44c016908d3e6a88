#pragma once
// The counts of the validator's heaviest checks. At --strictness 10, the release gate,
// each is exactly its constant below; lower strictness scales them down (geometrically,
// so that the default run stays quick). Every report prints the counts it ran with.
// Pure. [any-thread]

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace aaxhost::validate {

// Load, start, register, shut down and unload cycles of the module in one process.
constexpr int kReleaseLoadCycles = 1000;
// Instances made from that many threads at once, at least that many alive together.
constexpr int kReleaseInstances = 64;
constexpr int kReleaseInstanceThreads = 8;
constexpr int kReleaseInstancesAliveAtOnce = 16;
// Random chunks of that size, and corrupted copies of a saved chunk (truncated,
// bit-flipped, wrong ID, wrong sizes), per chunk of each effect.
constexpr int kReleaseLargeChunks = 3;
constexpr int kLargeChunkBytes = 1 << 20;
constexpr int kReleaseCorruptChunks = 500;
// Blocks processed per effect while a second thread automates its parameters.
constexpr int kReleaseAutomationBlocks = 10000;

struct ValidationCounts {
    int loadCycles = kReleaseLoadCycles;
    int instances = kReleaseInstances;
    int instanceThreads = kReleaseInstanceThreads;
    int instancesAliveAtOnce = kReleaseInstancesAliveAtOnce;
    int largeChunks = kReleaseLargeChunks;
    int largeChunkBytes = kLargeChunkBytes;
    int corruptChunks = kReleaseCorruptChunks;
    int automationBlocks = kReleaseAutomationBlocks;
};

// The counts at `strictness` (1..10; clamped): the constants above at 10.
ValidationCounts CountsAt(int strictness) noexcept;

// The counts by name, in a fixed order, for the report: {"loadCycles", 1000}, ...
std::vector<std::pair<std::string, std::int64_t>> NamedCounts(const ValidationCounts& counts);

}  // namespace aaxhost::validate
