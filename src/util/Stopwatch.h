#pragma once
// Util::Stopwatch: measures one interval on the high-resolution performance counter,
// e.g. how long the core takes to create an instance or to open its editor.
// A stopwatch belongs to the thread that uses it. [any-thread], one owner at a time.

#include <cstdint>

namespace Util {

class Stopwatch {
public:
    // The last counter frequency seen by a caller and its reciprocal, so that repeated
    // readings spare the division. Owned by the caller; frequency 0 means "empty".
    struct FrequencyCache {
        std::int64_t frequency = 0;
        double reciprocal = 0.0;
    };

    // Starts (or restarts) the interval. The start count is 0 if the counter cannot be read.
    void Start() noexcept;

    // Stops the stopwatch and returns the seconds since Start. A stopwatch measures one
    // interval: read again without a new Start it returns 0.0, as it does when never
    // started or when the counter or its frequency cannot be read.
    double ElapsedSeconds() noexcept;
    // The same, taking the reciprocal from `cache`; the cache is refilled when the
    // counter's frequency differs from the one it holds.
    double ElapsedSeconds(FrequencyCache& cache) noexcept;

    bool IsRunning() const noexcept { return running_ != 0; }

private:
    std::uint8_t running_ = 0;
    std::int64_t startCount_ = 0;
};

}  // namespace Util
