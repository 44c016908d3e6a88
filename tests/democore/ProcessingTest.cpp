// The demo core's signal chain through the real module's process procedure: the
// lookahead delay, gain, polarity and filter, per channel, at the host's sample rate.

#include <gtest/gtest.h>

#include <cmath>

#include "support/DemoProduct.h"

namespace {

constexpr std::size_t kDelay = 64;

// Every output channel is its own input channel's impulse, `factor` times, 64 samples later.
void ExpectDelayedImpulses(const Signal& input, const Signal& output, float factor, std::size_t at) {
    ASSERT_EQ(output.size(), input.size());
    for (std::size_t c = 0; c < output.size(); ++c)
        for (std::size_t i = 0; i < output[c].size(); ++i) {
            const float expected = i == at + kDelay ? factor * input[c][at] : 0.0f;
            ASSERT_NEAR(output[c][i], expected, 1e-6f) << "channel " << c << " sample " << i;
        }
}

struct LayoutCase {
    const char* variant;
    std::size_t channels;
    const char* hookConfig;
};

class DemoCoreLayouts : public ::testing::TestWithParam<LayoutCase> {};

// Blocks of 100 do not divide the delay, so the delay line wraps inside blocks.
TEST_P(DemoCoreLayouts, ImpulsesAtTheDefaultsComeBackUnchangedSixtyFourSamplesLaterOnTheirOwnChannel) {
    DemoProduct product(L"LmDemoCore.dll", GetParam().hookConfig);
    RealtimeRig rig(product.Effect(GetParam().variant));
    ASSERT_EQ(rig.Context().OutputChannelCount(), static_cast<std::int32_t>(GetParam().channels));
    const Signal input = Impulses(GetParam().channels, 400, 90);
    ExpectDelayedImpulses(input, rig.Render(input, 100), 1.0f, 90);
}

INSTANTIATE_TEST_SUITE_P(All, DemoCoreLayouts,
                         ::testing::Values(LayoutCase{"Stereo", 2, kFixedStereoConfig},
                                           LayoutCase{"Mono", 1, kBundleConfig}, LayoutCase{"Stereo", 2, kBundleConfig},
                                           LayoutCase{"5.1", 6, kBundleConfig}));

struct GainCase {
    double gainNormalized;  // -24..+24 dB
    double invertNormalized;
    float factor;
};

class DemoCoreGain : public ::testing::TestWithParam<GainCase> {};

TEST_P(DemoCoreGain, ScalesAndInvertsTheDelayedSignal) {
    DemoProduct product;
    RealtimeRig rig(product.Effect("Stereo"));
    ASSERT_EQ(rig.Instance().Automate("Gain", GetParam().gainNormalized), AAX_SUCCESS);
    ASSERT_EQ(rig.Instance().Automate("Invert", GetParam().invertNormalized), AAX_SUCCESS);
    const Signal input = Impulses(2, 256, 3);
    ExpectDelayedImpulses(input, rig.Render(input, 64), GetParam().factor, 3);
}

INSTANTIATE_TEST_SUITE_P(All, DemoCoreGain,
                         ::testing::Values(GainCase{0.625, 0.0, 1.99526231f},  // +6 dB
                                           GainCase{0.5, 1.0, -1.0f},          // inverted
                                           GainCase{0.0, 1.0, -0.0630957f},    // -24 dB, inverted
                                           GainCase{1.0, 0.0, 15.8489319f}));  // +24 dB

struct FilterCase {
    double modeNormalized;  // 0.5 Lowpass, 1.0 Highpass
    double passing;         // Hz, within 1 dB
    double stopped;         // Hz, at least 30 dB down
};

class DemoCoreFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(DemoCoreFilter, PassesOneSideOfTheFrequencyAndAttenuatesTheOther) {
    DemoProduct product;
    RealtimeRig rig(product.Effect("Stereo"));
    ASSERT_EQ(rig.Instance().Automate("Mode", GetParam().modeNormalized), AAX_SUCCESS);
    for (const double frequency : {GetParam().passing, GetParam().stopped}) {
        const Signal input = Sine(2, 9600, frequency);
        const Signal output = rig.Render(input, 512);
        for (std::size_t c = 0; c < 2; ++c) {
            const double gainDb = 20.0 * std::log10(Rms(output[c], 4800) / Rms(input[c], 4800));
            if (frequency == GetParam().passing)
                EXPECT_NEAR(gainDb, 0.0, 1.0) << frequency << " Hz channel " << c;
            else
                EXPECT_LT(gainDb, -30.0) << frequency << " Hz channel " << c;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(All, DemoCoreFilter,
                         ::testing::Values(FilterCase{0.5, 100.0, 8000.0}, FilterCase{1.0, 8000.0, 100.0}));

class DemoCoreSampleRate : public ::testing::TestWithParam<float> {};

// The cutoff follows the host's rate: a sine at the Frequency is 3 dB down at any rate.
TEST_P(DemoCoreSampleRate, PutsTheLowpassCutoffAtTheFrequencyParameter) {
    const float rate = GetParam();
    DemoProduct product;
    RealtimeRig rig(product.Effect("Stereo"), 512, rate);
    ASSERT_EQ(rig.Instance().Automate("Mode", 0.5), AAX_SUCCESS);
    const Signal input = Sine(2, static_cast<std::size_t>(rate / 5), 1000.0, rate);
    const Signal output = rig.Render(input, 512);
    const double gainDb = 20.0 * std::log10(Rms(output[0], output[0].size() / 2) / Rms(input[0], input[0].size() / 2));
    EXPECT_NEAR(gainDb, -3.01, 0.3);
}

INSTANTIATE_TEST_SUITE_P(All, DemoCoreSampleRate, ::testing::Values(44100.0f, 48000.0f, 96000.0f, 192000.0f));

}  // namespace
