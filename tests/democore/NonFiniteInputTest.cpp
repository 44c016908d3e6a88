// A core that a team copies must survive what hosts deliver now and then: one NaN or
// infinite input sample costs the samples it touches, not the rest of the session.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/DemoProduct.h"

namespace {

struct NonFiniteCase {
    const char* mode;  // the filter the sample runs through
    double modeNormalized;
    float value;
};

class DemoCoreNonFiniteInput : public ::testing::TestWithParam<NonFiniteCase> {};

TEST_P(DemoCoreNonFiniteInput, RecoversWithinTheLatencyAndFollowsTheCleanSignalAfterwards) {
    constexpr std::size_t kLength = 9600, kAt = 1000, kSettled = 4800;
    const Signal clean = Sine(2, kLength, 440.0);
    Signal dirty = clean;
    dirty[0][kAt] = GetParam().value;

    DemoProduct product;
    RealtimeRig cleanRig(product.Effect("Stereo"));
    RealtimeRig dirtyRig(product.Effect("Stereo"));
    for (RealtimeRig* rig : {&cleanRig, &dirtyRig})
        ASSERT_EQ(rig->Instance().Automate("Mode", GetParam().modeNormalized), AAX_SUCCESS);
    const Signal expected = cleanRig.Render(clean, 256);
    const Signal output = dirtyRig.Render(dirty, 256);

    std::size_t nonFinite = 0;
    for (float sample : output[0]) nonFinite += std::isfinite(sample) ? 0 : 1;
    EXPECT_LE(nonFinite, 2u) << GetParam().mode;  // the sample itself, through delay and filter
    for (std::size_t i = kSettled; i < kLength; ++i)
        ASSERT_NEAR(output[0][i], expected[0][i], 1e-3f) << GetParam().mode << " sample " << i;
    EXPECT_EQ(output[1], expected[1]) << "the other channel never saw the sample";
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(All, DemoCoreNonFiniteInput,
                         ::testing::Values(NonFiniteCase{"Lowpass", 0.5, kNaN}, NonFiniteCase{"Lowpass", 0.5, kInf},
                                           NonFiniteCase{"Highpass", 1.0, -kInf},
                                           NonFiniteCase{"Highpass", 1.0, kNaN}));

}  // namespace
