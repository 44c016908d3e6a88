// The validator's signal probes: bad samples found at their index, peaks, and the
// channel signatures that tell which input a processed output came from.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "aaxhost/validate/SignalChecks.h"
#include "aaxhost/validate/TestSignals.h"

using namespace aaxhost::validate;

namespace {

TEST(FindBadSampleCases, ReportsTheFirstBadSampleAtItsIndex) {
    const struct {
        const char* name;
        float value;
        bool subnormalsAreBad;
        bool found;
        SampleFault fault;
    } cases[] = {{"NaN", std::numeric_limits<float>::quiet_NaN(), true, true, SampleFault::NaN},
                 {"PlusInf", std::numeric_limits<float>::infinity(), true, true, SampleFault::Infinity},
                 {"MinusInf", -std::numeric_limits<float>::infinity(), false, true, SampleFault::Infinity},
                 {"Subnormal", std::numeric_limits<float>::denorm_min(), true, true, SampleFault::Subnormal},
                 {"SubnormalWhenOnlyFinitenessIsAsked", -std::numeric_limits<float>::denorm_min(), false, false,
                  SampleFault::None},
                 {"SmallestNormal", std::numeric_limits<float>::min(), true, false, SampleFault::None},
                 {"NegativeZero", -0.0f, true, false, SampleFault::None}};
    for (const auto& c : cases) {
        std::vector<float> samples = {0.0f, 0.5f, -1.0f, 1e-30f, 0.25f, 0.0f, 0.0f};
        samples[4] = c.value;
        // A later bad sample must not win over the first.
        samples[6] = c.found ? std::numeric_limits<float>::quiet_NaN() : 0.0f;
        const auto bad = FindBadSample(samples.data(), samples.size(), c.subnormalsAreBad);
        ASSERT_EQ(bad.has_value(), c.found) << c.name;
        if (!c.found) continue;
        EXPECT_EQ(bad->index, 4u) << c.name;
        EXPECT_EQ(bad->fault, c.fault) << c.name;
    }
}

TEST(DescribeSample, GivesTheValueAsAReasonNamesIt) {
    EXPECT_EQ(DescribeSample(-std::numeric_limits<float>::denorm_min()), "-1.40129846e-45");
    EXPECT_EQ(DescribeSample(std::numeric_limits<float>::quiet_NaN()), "nan");
    EXPECT_EQ(DescribeSample(-std::numeric_limits<float>::infinity()), "-inf");
}

TEST(PeakIndex, FindsTheLargestMagnitudeAndNothingInSilence) {
    const std::vector<float> samples = {0.0f, 0.3f, -0.9f, 0.9f, 0.1f};
    EXPECT_EQ(PeakIndex(samples.data(), samples.size()), 2u);
    const std::vector<float> silence(16, 0.0f);
    EXPECT_EQ(PeakIndex(silence.data(), silence.size()), 16u);
}

TEST(TestSignals, NoiseHoldsNoSubnormalAndTheImpulseSitsWhereAsked) {
    std::mt19937_64 random(7);
    const auto noise = MakeTestSignal(TestSignal::Noise, 50000, random);
    EXPECT_FALSE(FindBadSample(noise.data(), noise.size(), true).has_value());
    const auto impulse = MakeTestSignal(TestSignal::Impulse, 100, random, 42);
    EXPECT_EQ(PeakIndex(impulse.data(), impulse.size()), 42u);
}

TEST(ChannelSignatures, TellTheirChannelThroughDelayGainAndRinging) {
    const struct {
        std::int32_t channel;
        std::size_t delay;
        float gain;
        bool ringing;
    } cases[] = {{0, 0, 1.0f, false}, {1, 64, 1.0f, false}, {9, 300, -0.01f, false}, {4, 17, 0.5f, true}};
    for (const auto& c : cases) {
        const std::size_t spacing = 128, length = 4096;
        const auto signature = MakeChannelSignature(c.channel, spacing, length);
        std::vector<float> processed(length, 0.0f);
        for (std::size_t i = 0; i + c.delay < length; ++i) {
            processed[i + c.delay] += c.gain * signature[i];
            // A short decaying tail after each impulse, as a filter leaves.
            if (c.ringing && signature[i] != 0.0f)
                for (std::size_t k = 1; k < 20 && i + c.delay + k < length; ++k)
                    processed[i + c.delay + k] += c.gain * 0.6f * std::pow(-0.7f, static_cast<float>(k));
        }
        EXPECT_EQ(IdentifyChannelSignature(processed, spacing), c.channel);
    }
}

TEST(ChannelSignatures, SilenceOrASingleImpulseIdentifiesNoChannel) {
    std::vector<float> output(2048, 0.0f);
    EXPECT_EQ(IdentifyChannelSignature(output, 128), -1);
    output[100] = 1.0f;
    EXPECT_EQ(IdentifyChannelSignature(output, 128), -1);
}

}  // namespace
