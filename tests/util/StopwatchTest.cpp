#include <windows.h>

#include <gtest/gtest.h>

#include "util/Stopwatch.h"

using Util::Stopwatch;

namespace {

TEST(Stopwatch, MeasuresOneIntervalUntilStartedAgain) {
    Stopwatch watch;
    EXPECT_EQ(watch.ElapsedSeconds(), 0.0);  // never started

    watch.Start();
    EXPECT_TRUE(watch.IsRunning());
    Sleep(20);
    EXPECT_GT(watch.ElapsedSeconds(), 0.0);
    EXPECT_FALSE(watch.IsRunning());
    EXPECT_EQ(watch.ElapsedSeconds(), 0.0);  // read twice without restart

    watch.Start();
    Sleep(20);
    EXPECT_GT(watch.ElapsedSeconds(), 0.0);
}

TEST(Stopwatch, FrequencyCacheIsFilledAndRefreshedWhenStale) {
    LARGE_INTEGER frequency;
    ASSERT_TRUE(QueryPerformanceFrequency(&frequency));

    Stopwatch::FrequencyCache cache;  // empty
    Stopwatch watch;
    watch.Start();
    Sleep(20);
    EXPECT_GT(watch.ElapsedSeconds(cache), 0.0);
    EXPECT_EQ(cache.frequency, frequency.QuadPart);
    EXPECT_DOUBLE_EQ(cache.reciprocal, 1.0 / static_cast<double>(frequency.QuadPart));

    cache = {frequency.QuadPart + 1, 123.0};  // stale
    watch.Start();
    Sleep(20);
    const double seconds = watch.ElapsedSeconds(cache);
    EXPECT_GT(seconds, 0.0);
    EXPECT_LT(seconds, 1000.0);  // the stale reciprocal would scale the count by 123
    EXPECT_EQ(cache.frequency, frequency.QuadPart);
    EXPECT_DOUBLE_EQ(cache.reciprocal, 1.0 / static_cast<double>(frequency.QuadPart));

    // A stopped stopwatch leaves the cache as it is.
    cache = {};
    EXPECT_EQ(watch.ElapsedSeconds(cache), 0.0);
    EXPECT_EQ(cache.frequency, 0);
}

}  // namespace
