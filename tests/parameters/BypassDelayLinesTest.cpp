// The hook-made bypass's delay lines: the ring a latency change sets up, and the delay
// the ring gives.

#include <gtest/gtest.h>

#include <vector>

#include "parameters/BypassDelayLines.h"

namespace {

// Runs `input` through one channel of the lines, one block at a time.
std::vector<float> RunThrough(BypassDelayLines& lines, std::vector<float> input, std::uint32_t block,
                              bool engaged = true) {
    for (std::size_t start = 0; start < input.size(); start += block) {
        float* channel = input.data() + start;
        const std::uint32_t n = static_cast<std::uint32_t>(std::min<std::size_t>(block, input.size() - start));
        lines.Run(&channel, 1, n, engaged);
    }
    return input;
}

std::vector<float> Ramp(std::size_t count, float from = 1.0f) {
    std::vector<float> ramp(count);
    for (std::size_t i = 0; i < count; ++i) ramp[i] = from + static_cast<float>(i);
    return ramp;
}

// Whether `output` is `input` delayed by `delay` samples, after a filled line.
::testing::AssertionResult DelayedBy(const std::vector<float>& input, const std::vector<float>& output,
                                     std::size_t delay, std::size_t from) {
    for (std::size_t i = from; i < output.size(); ++i)
        if (output[i] != input[i - delay])
            return ::testing::AssertionFailure()
                   << "sample " << i << " is " << output[i] << ", not " << input[i - delay];
    return ::testing::AssertionSuccess();
}

TEST(BypassDelayLines, EngagedOutputIsTheInputDelayedByTheLatency) {
    BypassDelayLines lines;
    lines.Prepare(1, 0);
    ASSERT_TRUE(lines.ApplyLatency(48));
    const std::vector<float> input = Ramp(1000);
    const std::vector<float> output = RunThrough(lines, input, 64);
    EXPECT_EQ(std::vector<float>(output.begin(), output.begin() + 48), std::vector<float>(48, 0.0f));
    EXPECT_TRUE(DelayedBy(input, output, 48, 48));
}

TEST(BypassDelayLines, RingThatGoesRoundTheLineEndStaysInsideAndKeepsTheDelay) {
    // Position 100 of lines of 256, latency 512: the ring runs 100..511, then 0..99.
    BypassDelayLines lines;
    lines.Prepare(2, 256);
    RunThrough(lines, Ramp(100), 100);
    ASSERT_EQ(lines.Position(), 100u);
    ASSERT_TRUE(lines.ApplyLatency(512));

    const std::vector<float> input = Ramp(3000, 1000.0f);
    const std::vector<float> output = RunThrough(lines, input, 128);
    EXPECT_TRUE(DelayedBy(input, output, 512, 512));
    EXPECT_LT(lines.Position(), lines.LineLength());
}

TEST(BypassDelayLines, ShorterLatencyDelaysByTheNewLatencyOnceTheRingIsFilled) {
    BypassDelayLines lines;
    lines.Prepare(1, 512);
    RunThrough(lines, Ramp(100), 100);
    ASSERT_TRUE(lines.ApplyLatency(300));
    const std::vector<float> input = Ramp(2000, 5000.0f);
    const std::vector<float> output = RunThrough(lines, input, 100);
    EXPECT_TRUE(DelayedBy(input, output, 300, 300));
    EXPECT_GE(lines.Position(), 100u);
    EXPECT_LE(lines.Position(), 399u);
}

TEST(BypassDelayLines, DisengagedPassesTheSignalButKeepsFillingTheRing) {
    BypassDelayLines lines;
    lines.Prepare(1, 4);
    const std::vector<float> first = Ramp(8);
    EXPECT_EQ(RunThrough(lines, first, 8, false), first);
    const std::vector<float> second = RunThrough(lines, std::vector<float>(4, 0.0f), 4, true);
    EXPECT_EQ(second, (std::vector<float>{5, 6, 7, 8}));
}

TEST(BypassDelayLines, ZeroLatencyMissingLinesAndNullChannelsTouchNothing) {
    BypassDelayLines lines;
    lines.Prepare(1, 8);
    ASSERT_TRUE(lines.ApplyLatency(0));
    std::vector<float> audio = Ramp(16);
    float* channel = audio.data();
    lines.Run(&channel, 1, 16, true);
    EXPECT_EQ(audio, Ramp(16)) << "latency 0: the ring is not used";

    ASSERT_TRUE(lines.ApplyLatency(4));
    std::vector<float> second = Ramp(16);
    float* channels[3] = {second.data(), nullptr, second.data()};
    lines.Run(channels, 3, 4, true);  // one line only: channels 1 and 2 are left alone
    EXPECT_EQ(second[0], 0.0f);
    const std::vector<float> ramp = Ramp(16);
    EXPECT_EQ(std::vector<float>(second.begin() + 4, second.end()), std::vector<float>(ramp.begin() + 4, ramp.end()));

    BypassDelayLines none;
    none.Prepare(0, 0);
    EXPECT_TRUE(none.ApplyLatency(32));
    EXPECT_EQ(none.LineCount(), 0u);
    none.Run(channels, 3, 16, true);
}

}  // namespace
