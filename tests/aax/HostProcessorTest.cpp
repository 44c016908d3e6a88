#include <gtest/gtest.h>

#include <cstdint>

#include "aax/AAX_CEffectParameters.h"
#include "aax/AAX_CHostProcessor.h"
#include "aax/AAX_IACFHostProcessorDelegate.h"
#include "AcfTestHost.h"

namespace {

// Delivers at most `available` samples per request and records the last one.
class TestDelegate : public TestAcfObject<AAX_IACFHostProcessorDelegate, IID_IAAXHostProcessorDelegateV1> {
public:
    AAX_Result GetAudio(const float* const inputs[], std::int32_t inputCount, std::int64_t location,
                        std::int32_t* ioSamples) noexcept override {
        lastInputs = inputs;
        lastInputCount = inputCount;
        lastLocation = location;
        if (*ioSamples > available) *ioSamples = available;
        return AAX_SUCCESS;
    }
    AAX_Result ForceAnalyze() noexcept override { return AAX_SUCCESS; }

    std::int32_t available = 100;
    const float* const* lastInputs = nullptr;
    std::int32_t lastInputCount = 0;
    std::int64_t lastLocation = 0;
};

class OfflineController : public RecordingController {
public:
    TestDelegate delegate;

    acfResult QueryInterface(const acfIID& iid, void** out) noexcept override {
        if (out != nullptr && iid == IID_IAAXHostProcessorDelegateV1) return delegate.QueryInterface(iid, out);
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
    EXPECT_EQ(processor->InitOutputBounds(5, 50, nullptr, &end), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ(processor->InitOutputBounds(5, 50, &end, nullptr), AAX_ERROR_NULL_ARGUMENT);
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

TEST(HostProcessorBase, FixedResultsOfTheSlotsWithoutOwnBehaviour) {
    AAX_CHostProcessor* processor = new AAX_CHostProcessor;
    AAX_IACFHostProcessor* host = processor;
    std::int32_t window = 64;
    AAX_CString suffix;
    EXPECT_EQ(host->Initialize(nullptr), AAX_ERROR_NOT_INITIALIZED);
    EXPECT_EQ(host->SetLocation(1234), AAX_SUCCESS);
    EXPECT_EQ(processor->Location(), 1234);
    EXPECT_EQ(host->RenderAudio(nullptr, 0, nullptr, 0, &window), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(host->PreRender(1, 1, 64), AAX_SUCCESS);
    EXPECT_EQ(host->PostRender(), AAX_SUCCESS);
    EXPECT_EQ(host->AnalyzeAudio(nullptr, 0, &window), AAX_SUCCESS);
    EXPECT_EQ(host->PreAnalyze(1, 64), AAX_SUCCESS);
    EXPECT_EQ(host->PostAnalyze(), AAX_SUCCESS);
    EXPECT_EQ(host->GetClipNameSuffix(32, &suffix), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(processor->GetSideChainInputNum(), 0);
    std::int32_t samples = 10;
    EXPECT_EQ(processor->GetAudio(nullptr, 0, 0, &samples), AAX_ERROR_NULL_OBJECT);
    host->Release();
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

    EXPECT_EQ(processor->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ(processor->HostProcessorDelegate(), nullptr);
    EXPECT_EQ(host.references, 1u);
    EXPECT_EQ(host.delegate.references, 1u);
    processor->Release();
    effect->Release();
}

}  // namespace
