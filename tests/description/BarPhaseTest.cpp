#include <gtest/gtest.h>

#include "description/BarPhase.h"

namespace {

constexpr std::int64_t kQuarter = 960000;

TEST(BarPhaseExamples, GiveTheSamplesLeftInTheBarInMeterUnits) {
    const struct {
        double rate, tempo;
        std::int32_t numerator, denominator;
        std::int64_t ticks;
        float beat, bar;
    } cases[] = {// 48 kHz at 120 bpm: 24000 samples per quarter. 4/4, 5.5 quarters in: 1.5 beats
                 // into bar 2, r = 0.625.
                 {48000, 120, 4, 4, kQuarter * 11 / 2, 15000.0f, 60000.0f},
                 // 6/8: 5.5 quarters are 11 eighths, 5 into bar 2, r = 1/6; eighths are half a quarter.
                 {48000, 120, 6, 8, kQuarter * 11 / 2, 2000.0f, 12000.0f},
                 // At a bar line the whole bar lies ahead.
                 {44100, 60, 3, 4, kQuarter * 3, 44100.0f, 132300.0f},
                 // Far into a long session: still reduced to the bar.
                 {48000, 120, 4, 4, kQuarter * 4000001, 18000.0f, 72000.0f}};
    for (const auto& c : cases) {
        BarPhase phase{};
        ASSERT_TRUE(ComputeBarPhase(c.rate, c.tempo, c.numerator, c.denominator, c.ticks, phase));
        EXPECT_FLOAT_EQ(phase.beatValue, c.beat) << c.ticks;
        EXPECT_FLOAT_EQ(phase.barValue, c.bar) << c.ticks;
    }
}

TEST(BarPhase, NeedsAPositiveMeterAndTempo) {
    BarPhase phase{1.0f, 2.0f};
    EXPECT_FALSE(ComputeBarPhase(48000, 0.0, 4, 4, 0, phase));
    EXPECT_FALSE(ComputeBarPhase(48000, 120, 0, 4, 0, phase));
    EXPECT_FALSE(ComputeBarPhase(48000, 120, 4, -4, 0, phase));
    EXPECT_FLOAT_EQ(phase.beatValue, 1.0f);
    EXPECT_FLOAT_EQ(phase.barValue, 2.0f);
}

}  // namespace
