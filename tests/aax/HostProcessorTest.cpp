#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "AcfTestHost.h"
#include "aax/AAX_CEffectParameters.h"
#include "aax/AAX_CHostProcessor.h"
#include "aax/AAX_IACFHostProcessorDelegate.h"

namespace {

// The host's delegate in the published versions up to `versions`. Delivers at most
// `available` samples per request and records the last one.
class TestDelegate : public AAX_IACFHostProcessorDelegate_V3 {
public:
    acfResult QueryInterface(const acfIID& iid, void** out) noexcept override {
        const bool offered = iid == IID_IACFUnknown || iid == IID_IAAXHostProcessorDelegateV1 ||
                             (iid == IID_IAAXHostProcessorDelegateV2 && versions >= 2) ||
                             (iid == IID_IAAXHostProcessorDelegateV3 && versions >= 3);
        *out = offered ? static_cast<AAX_IACFHostProcessorDelegate_V3*>(this) : nullptr;
        if (!offered) return ACF_E_NOINTERFACE;
        AddRef();
        return ACF_OK;
    }
    std::uint32_t AddRef() noexcept override { return ++references; }
    std::uint32_t Release() noexcept override { return --references; }

    AAX_Result GetAudio(const float* const inputs[], std::int32_t inputCount, std::int64_t location,
                        std::int32_t* ioSamples) noexcept override {
        lastInputs = inputs;
        lastInputCount = inputCount;
        lastLocation = location;
        if (*ioSamples > available) *ioSamples = available;
        return AAX_SUCCESS;
    }
    std::int32_t GetSideChainInputNum() noexcept override { return 2; }
    AAX_Result ForceAnalyze() noexcept override { return ++forced, AAX_SUCCESS; }
    AAX_Result ForceProcess() noexcept override { return forced += 10, AAX_SUCCESS; }

    int versions = 3;
    std::uint32_t references = 1;  // the test's own
    int forced = 0;
    std::int32_t available = 100;
    const float* const* lastInputs = nullptr;
    std::int32_t lastInputCount = 0;
    std::int64_t lastLocation = 0;
};

// The instance's controller as a host hands it to an offline processor: it answers for
// the instance's effect parameters object and the run's delegate, and records which
// delegate versions it was asked for.
class OfflineController : public RecordingController {
public:
    TestDelegate delegate;
    std::vector<int> delegateQueries;

    acfResult QueryInterface(const acfIID& iid, void** out) noexcept override {
        const acfIID* versions[] = {&IID_IAAXHostProcessorDelegateV1, &IID_IAAXHostProcessorDelegateV2,
                                    &IID_IAAXHostProcessorDelegateV3};
        for (int v = 0; v < 3; ++v)
            if (iid == *versions[v]) {
                delegateQueries.push_back(v + 1);
                return delegate.QueryInterface(iid, out);
            }
        if (iid == IID_IAAXEffectParametersV1 && effect != nullptr) return effect->QueryInterface(iid, out);
        return RecordingController::QueryInterface(iid, out);
    }
};

class ShiftingProcessor : public AAX_CHostProcessor {
public:
    AAX_Result TranslateOutputBounds(std::int64_t sourceStart, std::int64_t sourceEnd, std::int64_t& destinationStart,
                                     std::int64_t& destinationEnd) override {
        destinationStart = sourceStart + 10;
        destinationEnd = sourceEnd + 10;
        return AAX_SUCCESS;
    }
};

TEST(HostProcessorBase, InitOutputBoundsRefusesNullOutPointersAndRecordsNothing) {
    AAX_CHostProcessor* processor = new AAX_CHostProcessor;
    std::int64_t end = 0;
    EXPECT_EQ(processor->InitOutputBounds(5, 50, nullptr, &end), AAX_ERROR_PLUGIN_NULL_PARAMETER);
    EXPECT_EQ(processor->InitOutputBounds(5, 50, &end, nullptr), AAX_ERROR_PLUGIN_NULL_PARAMETER);
    EXPECT_EQ(processor->SourceStart(), 0);
    EXPECT_EQ(processor->SourceEnd(), 0);
    processor->Release();
}

TEST(HostProcessorBase, InitOutputBoundsRecordsSourceAndTranslatedDestination) {
    AAX_CHostProcessor* plain = new AAX_CHostProcessor;
    std::int64_t start = -1, end = -1;
    EXPECT_EQ(plain->InitOutputBounds(5, 50, &start, &end), AAX_SUCCESS);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 50);
    EXPECT_EQ(plain->DestinationEnd(), 50);
    plain->Release();

    ShiftingProcessor* shifting = new ShiftingProcessor;
    EXPECT_EQ(shifting->InitOutputBounds(5, 50, &start, &end), AAX_SUCCESS);
    EXPECT_EQ(start, 15);
    EXPECT_EQ(end, 60);
    EXPECT_EQ(shifting->SourceStart(), 5);
    EXPECT_EQ(shifting->SourceEnd(), 50);
    EXPECT_EQ(shifting->DestinationStart(), 15);
    EXPECT_EQ(shifting->DestinationEnd(), 60);
    shifting->Release();
}

TEST(HostProcessorBase, GetAudioAsksTheHostsDelegateWhichMayShortenTheCount) {
    AAX_CEffectParameters* effect = new AAX_CEffectParameters;
    OfflineController host;
    host.effect = effect;
    AAX_CHostProcessor* processor = new AAX_CHostProcessor;
    ASSERT_EQ(processor->Initialize(&host), AAX_SUCCESS);
    EXPECT_EQ(processor->EffectParameters(), static_cast<AAX_IEffectParameters*>(effect));

    float left[256] = {}, right[256] = {};
    const float* const inputs[] = {left, right};
    std::int32_t samples = 256;
    EXPECT_EQ(processor->GetAudio(inputs, 2, 512, &samples), AAX_SUCCESS);
    EXPECT_EQ(samples, 100);
    EXPECT_EQ(host.delegate.lastInputs, inputs);
    EXPECT_EQ(host.delegate.lastInputCount, 2);
    EXPECT_EQ(host.delegate.lastLocation, 512);
    EXPECT_EQ(processor->GetAudio(inputs, 2, 0, nullptr), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ(processor->GetSideChainInputNum(), 2) << "the host's answer";

    EXPECT_EQ(processor->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ(processor->HostProcessorDelegate(), nullptr);
    EXPECT_EQ(host.references, 1u);
    EXPECT_EQ(host.delegate.references, 1u);
    processor->Release();
    effect->Release();
}

TEST(HostProcessorBase, TheDelegateIsQueriedNewestVersionFirstAndEachRequestNeedsItsVersion) {
    const struct {
        int versions;
        std::vector<int> queries;
        AAX_Result forceAnalyze, forceProcess;
        int forced;
    } cases[] = {
        {3, {3}, AAX_SUCCESS, AAX_SUCCESS, 11},
        {2, {3, 2}, AAX_SUCCESS, AAX_ERROR_UNIMPLEMENTED, 1},
        {1, {3, 2, 1}, AAX_ERROR_UNIMPLEMENTED, AAX_ERROR_UNIMPLEMENTED, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("versions " + std::to_string(c.versions));
        OfflineController host;
        host.delegate.versions = c.versions;
        AAX_CHostProcessor* processor = new AAX_CHostProcessor;
        ASSERT_EQ(processor->Initialize(&host), AAX_SUCCESS);
        EXPECT_EQ(host.delegateQueries, c.queries);
        ASSERT_NE(processor->HostProcessorDelegate(), nullptr);
        EXPECT_EQ(processor->HostProcessorDelegate()->ForceAnalyze(), c.forceAnalyze);
        EXPECT_EQ(processor->HostProcessorDelegate()->ForceProcess(), c.forceProcess);
        EXPECT_EQ(host.delegate.forced, c.forced);
        EXPECT_EQ(host.delegate.references, 2u) << "one reference, whichever version answered";
        processor->Release();
        EXPECT_EQ(host.delegate.references, 1u);
    }
}

}  // namespace
