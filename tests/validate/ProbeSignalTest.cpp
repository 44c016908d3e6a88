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

struct BadSampleCase {
    const char* name;
    float value;
    bool subnormalsAreBad;
    bool found;
    SampleFault fault;
};

class FindBadSampleCases : public ::testing::TestWithParam<BadSampleCase> {};

TEST_P(FindBadSampleCases, ReportsTheFirstBadSampleAtItsIndex) {
    const BadSampleCase& c = GetParam();
    std::vector<float> samples = {0.0f, 0.5f, -1.0f, 1e-30f, 0.25f, 0.0f, 0.0f};
    samples[4] = c.value;
    // A later bad sample must not win over the first.
    samples[6] = c.found ? std::numeric_limits<float>::quiet_NaN() : 0.0f;
    const auto bad = FindBadSample(samples.data(), samples.size(), c.subnormalsAreBad);
    ASSERT_EQ(bad.has_value(), c.found);
    if (!c.found) return;
    EXPECT_EQ(bad->index, 4u);
    EXPECT_EQ(bad->fault, c.fault);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, FindBadSampleCases,
    ::testing::Values(
        BadSampleCase{"NaN", std::numeric_limits<float>::quiet_NaN(), true, true, SampleFault::NaN},
        BadSampleCase{"PlusInf", std::numeric_limits<float>::infinity(), true, true, SampleFault::Infinity},
        BadSampleCase{"MinusInf", -std::numeric_limits<float>::infinity(), false, true, SampleFault::Infinity},
        BadSampleCase{"Subnormal", std::numeric_limits<float>::denorm_min(), true, true, SampleFault::Subnormal},
        BadSampleCase{"SubnormalWhenOnlyFinitenessIsAsked", -std::numeric_limits<float>::denorm_min(), false, false,
                      SampleFault::None},
        BadSampleCase{"SmallestNormal", std::numeric_limits<float>::min(), true, false, SampleFault::None},
        BadSampleCase{"NegativeZero", -0.0f, true, false, SampleFault::None}),
    [](const ::testing::TestParamInfo<BadSampleCase>& info) { return std::string(info.param.name); });

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

struct SignatureCase {
    const char* name;
    std::int32_t channel;
    std::size_t delay;
    float gain;
    bool ringing;
};

class ChannelSignatures : public ::testing::TestWithParam<SignatureCase> {};

TEST_P(ChannelSignatures, TellTheirChannelThroughDelayGainAndRinging) {
    const SignatureCase& c = GetParam();
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

INSTANTIATE_TEST_SUITE_P(Outputs, ChannelSignatures,
                         ::testing::Values(SignatureCase{"FirstUndelayed", 0, 0, 1.0f, false},
                                           SignatureCase{"SecondDelayed", 1, 64, 1.0f, false},
                                           SignatureCase{"TenthInvertedAndQuiet", 9, 300, -0.01f, false},
                                           SignatureCase{"FifthRinging", 4, 17, 0.5f, true}),
                         [](const ::testing::TestParamInfo<SignatureCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ChannelSignatures, SilenceOrASingleImpulseIdentifiesNoChannel) {
    std::vector<float> output(2048, 0.0f);
    EXPECT_EQ(IdentifyChannelSignature(output, 128), -1);
    output[100] = 1.0f;
    EXPECT_EQ(IdentifyChannelSignature(output, 128), -1);
}

}  // namespace
