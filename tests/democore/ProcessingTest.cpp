// The demo core's signal chain through the real module's process procedure: the
// lookahead delay, gain, polarity and filter, per channel, at the host's sample rate.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

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

// Blocks of 100 do not divide the delay, so the delay line wraps inside blocks.
TEST(DemoCoreLayouts, ImpulsesAtTheDefaultsComeBackUnchangedSixtyFourSamplesLaterOnTheirOwnChannel) {
    const struct {
        const char* variant;
        std::size_t channels;
        const char* hookConfig;
    } cases[] = {{"Stereo", 2, kFixedStereoConfig},
                 {"Mono", 1, kBundleConfig},
                 {"Stereo", 2, kBundleConfig},
                 {"5.1", 6, kBundleConfig}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variant);
        DemoProduct product(L"LmDemoCore.dll", c.hookConfig);
        RealtimeRig rig(product.Effect(c.variant));
        ASSERT_EQ(rig.Context().OutputChannelCount(), static_cast<std::int32_t>(c.channels));
        const Signal input = Impulses(c.channels, 400, 90);
        ExpectDelayedImpulses(input, rig.Render(input, 100), 1.0f, 90);
    }
}

TEST(DemoCoreGain, ScalesAndInvertsTheDelayedSignal) {
    const struct {
        double gainNormalized;  // -24..+24 dB
        double invertNormalized;
        float factor;
    } cases[] = {{0.625, 0.0, 1.99526231f},  // +6 dB
                 {0.5, 1.0, -1.0f},          // inverted
                 {0.0, 1.0, -0.0630957f},    // -24 dB, inverted
                 {1.0, 0.0, 15.8489319f}};   // +24 dB
    DemoProduct product;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.factor);
        RealtimeRig rig(product.Effect("Stereo"));
        ASSERT_EQ(rig.Instance().Automate("Gain", c.gainNormalized), AAX_SUCCESS);
        ASSERT_EQ(rig.Instance().Automate("Invert", c.invertNormalized), AAX_SUCCESS);
        const Signal input = Impulses(2, 256, 3);
        ExpectDelayedImpulses(input, rig.Render(input, 64), c.factor, 3);
    }
}

// Lowpass (0.5) passes 100 Hz within 1 dB and takes 8 kHz at least 30 dB down; highpass
// (1.0) the other way round.
TEST(DemoCoreFilter, PassesOneSideOfTheFrequencyAndAttenuatesTheOther) {
    DemoProduct product;
    for (const auto& [mode, passing, stopped] :
         {std::make_tuple(0.5, 100.0, 8000.0), std::make_tuple(1.0, 8000.0, 100.0)}) {
        RealtimeRig rig(product.Effect("Stereo"));
        ASSERT_EQ(rig.Instance().Automate("Mode", mode), AAX_SUCCESS);
        for (const double frequency : {passing, stopped}) {
            const Signal input = Sine(2, 9600, frequency);
            const Signal output = rig.Render(input, 512);
            for (std::size_t c = 0; c < 2; ++c) {
                const double gainDb = 20.0 * std::log10(Rms(output[c], 4800) / Rms(input[c], 4800));
                if (frequency == passing)
                    EXPECT_NEAR(gainDb, 0.0, 1.0) << frequency << " Hz channel " << c;
                else
                    EXPECT_LT(gainDb, -30.0) << frequency << " Hz channel " << c;
            }
        }
    }
}

// The cutoff follows the host's rate: a sine at the Frequency is 3 dB down at any rate.
TEST(DemoCoreSampleRate, PutsTheLowpassCutoffAtTheFrequencyParameter) {
    DemoProduct product;
    for (const float rate : {44100.0f, 48000.0f, 96000.0f, 192000.0f}) {
        RealtimeRig rig(product.Effect("Stereo"), 512, rate);
        ASSERT_EQ(rig.Instance().Automate("Mode", 0.5), AAX_SUCCESS);
        const Signal input = Sine(2, static_cast<std::size_t>(rate / 5), 1000.0, rate);
        const Signal output = rig.Render(input, 512);
        const double gainDb =
            20.0 * std::log10(Rms(output[0], output[0].size() / 2) / Rms(input[0], input[0].size() / 2));
        EXPECT_NEAR(gainDb, -3.01, 0.3) << rate;
    }
}

}  // namespace
