#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "OlderHost.h"
#include "aax/AAX_CEffectParameters.h"
#include "aax/AAX_CHostProcessor.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/SelectionDelegate.h"

namespace {

using aaxhost::MakeHostObject;
using aaxhost::SelectionDelegate;

class ShiftingProcessor : public AAX_CHostProcessor {
public:
    AAX_Result TranslateOutputBounds(std::int64_t sourceStart, std::int64_t sourceEnd, std::int64_t& destinationStart,
                                     std::int64_t& destinationEnd) override {
        destinationStart = sourceStart + 10;
        destinationEnd = sourceEnd + 10;
        return AAX_SUCCESS;
    }
};

// An instance as the host holds it, with a selection of 612 samples as the offline
// pass's delegate.
struct OfflineInstance {
    AAX_CEffectParameters* effect = new AAX_CEffectParameters;  // the instance's one reference
    aaxhost::EffectInstance instance{ACFPtr<AAX_IACFEffectParameters>(effect)};
    ACFPtr<SelectionDelegate> selection =
        MakeHostObject<SelectionDelegate>(std::vector<std::vector<float>>(2, std::vector<float>(612, 0.5f)));

    OfflineInstance() {
        selection->SetBufferCapacity(256);
        instance.Controller().SetHostProcessorDelegate(selection->AsInterface());
    }
    ~OfflineInstance() { instance.Controller().SetHostProcessorDelegate(nullptr); }
    IACFUnknown* Controller() { return instance.Controller().AsInterface(); }
};

TEST(HostProcessorBase, InitOutputBoundsRecordsSourceAndTranslatedDestinationAndRefusesNullOutPointers) {
    AAX_CHostProcessor* plain = new AAX_CHostProcessor;
    std::int64_t start = -1, end = -1;
    EXPECT_EQ(plain->InitOutputBounds(5, 50, nullptr, &end), AAX_ERROR_PLUGIN_NULL_PARAMETER);
    EXPECT_EQ(plain->InitOutputBounds(5, 50, &end, nullptr), AAX_ERROR_PLUGIN_NULL_PARAMETER);
    EXPECT_EQ(plain->SourceEnd(), 0) << "a refused call records nothing";
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
    OfflineInstance host;
    const std::uint32_t controllerReferences = References(host.Controller());
    const std::uint32_t delegateReferences = References(host.selection->AsInterface());
    AAX_CHostProcessor* processor = new AAX_CHostProcessor;
    ASSERT_EQ(processor->Initialize(host.Controller()), AAX_SUCCESS);
    EXPECT_EQ(processor->EffectParameters(), static_cast<AAX_IEffectParameters*>(host.effect));

    float left[256] = {}, right[256] = {};
    const float* const inputs[] = {left, right};
    std::int32_t samples = 256;
    EXPECT_EQ(processor->GetAudio(inputs, 2, 512, &samples), AAX_SUCCESS);
    EXPECT_EQ(samples, 100) << "the selection ends 100 samples on";
    EXPECT_EQ(left[99], 0.5f);
    EXPECT_EQ(right[100], 0.0f);
    ASSERT_EQ(host.selection->Requests().size(), 1u);
    EXPECT_EQ(host.selection->Requests()[0].location, 512);
    EXPECT_EQ(host.selection->Requests()[0].inputCount, 2);
    EXPECT_EQ(processor->GetAudio(inputs, 2, 0, nullptr), AAX_ERROR_NULL_ARGUMENT);

    EXPECT_EQ(processor->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ(processor->HostProcessorDelegate(), nullptr);
    EXPECT_EQ(References(host.Controller()), controllerReferences);
    EXPECT_EQ(References(host.selection->AsInterface()), delegateReferences);
    processor->Release();
}

TEST(HostProcessorBase, TheDelegateIsQueriedNewestVersionFirstAndEachRequestNeedsItsVersion) {
    const acfIID delegateIDs[] = {IID_IAAXHostProcessorDelegateV1, IID_IAAXHostProcessorDelegateV2,
                                  IID_IAAXHostProcessorDelegateV3};
    const struct {
        int versions;
        std::vector<int> queries;
        AAX_Result forceAnalyze, forceProcess;
        int analyzed, processed;
    } cases[] = {
        {3, {3}, AAX_SUCCESS, AAX_SUCCESS, 1, 1},
        {2, {3, 2}, AAX_SUCCESS, AAX_ERROR_UNIMPLEMENTED, 1, 0},
        {1, {3, 2, 1}, AAX_ERROR_UNIMPLEMENTED, AAX_ERROR_UNIMPLEMENTED, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("versions " + std::to_string(c.versions));
        OfflineInstance host;
        std::vector<acfIID> offered = {IID_IAAXControllerV1, IID_IAAXEffectParametersV1};
        offered.insert(offered.end(), delegateIDs, delegateIDs + c.versions);
        OlderHost older(host.Controller(), offered);
        const std::uint32_t delegateReferences = References(host.selection->AsInterface());
        AAX_CHostProcessor* processor = new AAX_CHostProcessor;
        ASSERT_EQ(processor->Initialize(&older), AAX_SUCCESS);
        std::vector<int> queries;
        for (const acfIID& asked : older.asked)
            for (int v = 0; v < 3; ++v)
                if (asked == delegateIDs[v]) queries.push_back(v + 1);
        EXPECT_EQ(queries, c.queries);
        ASSERT_NE(processor->HostProcessorDelegate(), nullptr);
        EXPECT_EQ(processor->HostProcessorDelegate()->ForceAnalyze(), c.forceAnalyze);
        EXPECT_EQ(processor->HostProcessorDelegate()->ForceProcess(), c.forceProcess);
        EXPECT_EQ(host.selection->ForceAnalyzeCount(), c.analyzed);
        EXPECT_EQ(host.selection->ForceProcessCount(), c.processed);
        EXPECT_EQ(References(host.selection->AsInterface()), delegateReferences + 1)
            << "one reference, whichever version answered";
        processor->Release();
        EXPECT_EQ(References(host.selection->AsInterface()), delegateReferences);
        EXPECT_EQ(older.references, 1u);
    }
}

}  // namespace
