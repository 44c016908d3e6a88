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

TEST(DemoFaultCore, ShowsOnlyTheFaultItsConfigurationChooses) {
    const struct {
        const wchar_t* core;
        const char* config;
        int channel0At;  // where channel 0's impulse (at 10) comes out, on `channel0On`
        std::size_t channel0On;
        bool nan;
    } cases[] = {{kFaultCore, "demo", 74, 0, false},
                 {kFaultCore, "fault=swap", 74, 1, false},
                 {kFaultCore, "fault=nan", 0, 0, true},
                 {L"LmDemoCore.dll", "fault=nan", 74, 0, false},
                 {L"LmDemoCore.dll", "fault=swap", 74, 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.config) + (c.core == kFaultCore ? " (fault core)" : " (demo core)"));
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
        if (c.nan) continue;
        EXPECT_EQ(PeakIndex(output[c.channel0On]), c.channel0At);
        EXPECT_EQ(PeakIndex(output[1 - c.channel0On]), -1);
    }
}

}  // namespace
