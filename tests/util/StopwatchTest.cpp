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

}  // namespace
