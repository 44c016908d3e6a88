#include "util/Stopwatch.h"

#include <windows.h>

namespace Util {

void Stopwatch::Start() noexcept {
    running_ = 1;
    LARGE_INTEGER count;
    startCount_ = QueryPerformanceCounter(&count) ? count.QuadPart : 0;
}

double Stopwatch::ElapsedSeconds() noexcept {
    FrequencyCache cache;
    return ElapsedSeconds(cache);
}

double Stopwatch::ElapsedSeconds(FrequencyCache& cache) noexcept {
    if (!running_) return 0.0;
    running_ = 0;

    LARGE_INTEGER count;
    LARGE_INTEGER frequency;
    if (!QueryPerformanceCounter(&count) || !QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0)
        return 0.0;

    if (frequency.QuadPart != cache.frequency) {
        cache.frequency = frequency.QuadPart;
        cache.reciprocal = 1.0 / static_cast<double>(frequency.QuadPart);
    }
    return static_cast<double>(count.QuadPart - startCount_) * cache.reciprocal;
}

}  // namespace Util
