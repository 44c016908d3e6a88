// The arithmetic of an offline pass: read lengths, the pre-roll's reads and the
// time-code start in samples.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "hostprocessor/OfflineArithmetic.h"

namespace {

std::vector<std::int32_t> PreRollReads(std::int32_t latency, std::int32_t window) {
    std::vector<std::int32_t> reads;
    std::int32_t done = 0;
    for (std::int32_t n; (n = PreRollReadLength(latency, done, window)) > 0 && reads.size() < 100; done += n)
        reads.push_back(n);
    return reads;
}

TEST(OfflineArithmetic, PreRollReadsAtMostOneWindowAtATimeAndEnds) {
    EXPECT_EQ(PreRollReads(512, 1024), (std::vector<std::int32_t>{512}));
    EXPECT_EQ(PreRollReads(2500, 1024), (std::vector<std::int32_t>{1024, 1024, 452}));
    EXPECT_EQ(PreRollReads(0, 1024), (std::vector<std::int32_t>{}));
    EXPECT_EQ(PreRollReads(512, 0), (std::vector<std::int32_t>{})) << "a window of 0 could never finish it";
}

TEST(OfflineArithmetic, DeliveredSamplesStayWithinTheRequest) {
    EXPECT_EQ(DeliveredSamples(true, 1024, 1024), 1024);
    EXPECT_EQ(DeliveredSamples(true, 1024, 300), 300);
    EXPECT_EQ(DeliveredSamples(true, 1024, 5000), 1024);
    EXPECT_EQ(DeliveredSamples(true, 1024, -3), 0);
    EXPECT_EQ(DeliveredSamples(false, 1024, 1024), 0);
}

struct OffsetCase {
    std::int32_t rateCode;
    std::int32_t frames;
    double sampleRate;
    bool sent;
    std::uint64_t samples;
};

TEST(OfflineArithmetic, TimecodeOffsetFollowsTheFrameRateCode) {
    const OffsetCase cases[] = {
        {3, 30, 48000.0, true, 48048},          // 29.97 non-drop
        {4, 30, 48000.0, true, 48048},          // 29.97 drop-frame
        {4, 107892, 48000.0, true, 172799827},  // one hour of drop-frame labels
        {3, 30, 44100.0, true, 44144},          // 44144.1 rounds down
        {3, 1, 44100.0, true, 1471},            // 1471.47
        {5, 30, 48000.0, true, 48000},          // 30 non-drop
        {2, 90000, 48000.0, true, 172800000},   // an hour at 25
        {1, 24, 44100.0, true, 44100},          // 24
        {7, 24, 48000.0, true, 48048},          // 23.976
        {99, 60, 48000.0, true, 96000},         // unknown codes count 30
        {6, 30, 48000.0, false, 0},             // 30 drop-frame sends nothing
        {3, -1, 48000.0, false, 0},             // negative offset
        {3, 30, 0.0, false, 0},                 // no usable sample rate
    };
    for (const OffsetCase& c : cases) {
        std::uint64_t samples = 0;
        EXPECT_EQ(TimecodeOffsetSamples(c.rateCode, c.frames, c.sampleRate, samples), c.sent)
            << "code " << c.rateCode << ", " << c.frames << " frames";
        if (c.sent) {
            EXPECT_EQ(samples, c.samples) << "code " << c.rateCode << ", " << c.frames << " frames";
        }
    }
}

}  // namespace
