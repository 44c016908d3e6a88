// The demo core's fault variant through a primed hook: without a fault chosen it is the
// demo core, its switches work, and the shipped core has none to switch on. That each
// fault shows exactly itself is held by the validator's tests, which catch each one.

#include <gtest/gtest.h>

#include <cmath>

#include "support/DemoProduct.h"

namespace {

constexpr const wchar_t* kFaultCore = L"LmDemoFaultCore.dll";

std::string FaultConfig(const char* fault) { return std::string("FixedChannelConfig:stereo|CoreConfig:") + fault; }

// Where the (single) non-zero sample of a channel is; -1 when there is none.
int PeakIndex(const std::vector<float>& samples) {
    for (std::size_t i = 0; i < samples.size(); ++i)
        if (samples[i] != 0.0f) return static_cast<int>(i);
    return -1;
}

struct FaultCase {
    const wchar_t* core;
    const char* config;
    int channel0At;  // where channel 0's impulse (at 10) comes out, on `channel0On`
    int channel0On;
    bool nan;
};

class DemoFaultCore : public ::testing::TestWithParam<FaultCase> {};

TEST_P(DemoFaultCore, ShowsOnlyTheFaultItsConfigurationChooses) {
    const FaultCase& c = GetParam();
    DemoProduct product(c.core, FaultConfig(c.config));
    ASSERT_EQ(product.Registration().result, ACF_OK);
    RealtimeRig rig(product.Effect("Stereo"));
    EXPECT_EQ(rig.Instance().Controller().LatencyReports().back(), 64) << "every variant reports 64";
    Signal input = Impulses(2, 256, 10);
    input[1][10] = 0.0f;  // channel 1 silent: a swap moves channel 0's impulse over
    const Signal output = rig.Render(input, 64);
    bool sawNan = false;
    for (const auto& channel : output)
        for (float sample : channel) sawNan = sawNan || std::isnan(sample);
    EXPECT_EQ(sawNan, c.nan);
    if (c.nan) return;
    EXPECT_EQ(PeakIndex(output[static_cast<std::size_t>(c.channel0On)]), c.channel0At);
    EXPECT_EQ(PeakIndex(output[static_cast<std::size_t>(1 - c.channel0On)]), -1);
}

INSTANTIATE_TEST_SUITE_P(All, DemoFaultCore,
                         ::testing::Values(FaultCase{kFaultCore, "demo", 74, 0, false},
                                           FaultCase{kFaultCore, "fault=swap", 74, 1, false},
                                           FaultCase{kFaultCore, "fault=nan", 0, 0, true},
                                           FaultCase{L"LmDemoCore.dll", "fault=nan", 74, 0, false},
                                           FaultCase{L"LmDemoCore.dll", "fault=swap", 74, 0, false}));

}  // namespace
