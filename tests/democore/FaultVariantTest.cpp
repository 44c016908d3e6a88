// The broken twins of the demo core, each through a primed hook: every fault the core
// configuration chooses shows exactly itself, the fault variant without a fault is the
// demo core, and a core without an entry point is refused with a "Fatal Error" box.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "aax/AAX_SPlugInChunk.h"
#include "aaxhost/DialogWatcher.h"
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
                                           FaultCase{kFaultCore, "fault=latency", 42, 0, false},
                                           FaultCase{kFaultCore, "fault=swap", 74, 1, false},
                                           FaultCase{kFaultCore, "fault=nan", 0, 0, true},
                                           FaultCase{kFaultCore, "fault=state", 74, 0, false},
                                           // the shipped core has no faults to switch on
                                           FaultCase{L"LmDemoCore.dll", "fault=nan", 74, 0, false},
                                           FaultCase{L"LmDemoCore.dll", "fault=swap", 74, 0, false}));

std::vector<char> SaveChunk(AAX_IACFEffectParameters& parameters, AAX_CTypeID& id) {
    EXPECT_EQ(parameters.GetChunkIDFromIndex(0, &id), AAX_SUCCESS);
    std::uint32_t size = 0;
    EXPECT_EQ(parameters.GetChunkSize(id, &size), AAX_SUCCESS);
    std::vector<char> chunk(sizeof(AAX_SPlugInChunk) + size);
    EXPECT_EQ(parameters.GetChunk(id, reinterpret_cast<AAX_SPlugInChunk*>(chunk.data())), AAX_SUCCESS);
    return chunk;
}

TEST(DemoFaultCore, StateFaultSavesAStateThatDoesNotRestoreTheSameSettings) {
    for (const char* config : {"demo", "fault=state"}) {
        DemoProduct product(kFaultCore, FaultConfig(config));
        RealtimeRig first(product.Effect("Stereo"));
        ASSERT_EQ(first.Instance().Automate("Gain", 0.75), AAX_SUCCESS);
        AAX_CTypeID id = 0;
        const std::vector<char> saved = SaveChunk(*first.Instance().Parameters(), id);
        RealtimeRig second(product.Effect("Stereo"));
        ASSERT_EQ(second.Instance().Parameters()->SetChunk(id, reinterpret_cast<const AAX_SPlugInChunk*>(saved.data())),
                  AAX_SUCCESS);
        const std::vector<char> again = SaveChunk(*second.Instance().Parameters(), id);
        EXPECT_EQ(again == saved, std::string(config) == "demo") << config;
    }
}

TEST(DemoNoEntryCore, IsRefusedWithAFatalErrorAndNoEffects) {
    aaxhost::DialogWatcher watcher;
    DemoProduct product(L"LmNoEntryCore.dll", kBundleConfig);
    EXPECT_NE(product.Registration().result, ACF_OK);
    EXPECT_TRUE(product.Registration().package.effects.empty());
    ASSERT_TRUE(watcher.WaitForTexts(1, std::chrono::seconds(10)));
    EXPECT_NE(watcher.Texts().front().find("is corrupt or invalid"), std::string::npos) << watcher.Texts().front();
    EXPECT_NE(watcher.Texts().front().find("[0x7F]"), std::string::npos) << "the procedure was not found";
}

}  // namespace
