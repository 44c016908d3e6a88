// Offline passes through the host simulator: the module's AudioSuite processor renders a
// selection it reads through the host's delegate, and asks for a second analysis.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TrivialModuleHost.h"
#include "aax/AAX_VHostProcessorDelegate.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/ObjectFactory.h"
#include "aaxhost/OfflineDriver.h"

using namespace aaxhost;

namespace {

std::vector<std::vector<float>> Ramp(int channels, int samples) {
    std::vector<std::vector<float>> audio(static_cast<std::size_t>(channels),
                                          std::vector<float>(static_cast<std::size_t>(samples)));
    for (int c = 0; c < channels; ++c)
        for (int i = 0; i < samples; ++i) audio[c][i] = static_cast<float>(c * 10000 + i) / 16384.0f;
    return audio;
}

TEST(Offline, RenderPassReadsTheSelectionThroughTheDelegateAndAppliesTheGainNamedInTheClipSuffix) {
    TrivialModuleHost host;
    const EffectDescription& effect = host.Effect(trivial::kAudioSuiteEffectID);
    auto instance = CreateEffectInstance(effect);
    ASSERT_EQ(instance->Initialize(), AAX_SUCCESS);
    ASSERT_EQ(instance->Automate(trivial::kGainID, 0.25), AAX_SUCCESS);  // gain 0.5
    ACFPtr<SelectionDelegate> selection = MakeHostObject<SelectionDelegate>(Ramp(2, 1000));
    {
        OfflineDriver driver(CreateHostProcessor(effect), instance->Controller(), *selection.Get());
        ASSERT_EQ(driver.Initialize(), AAX_SUCCESS);
        std::int64_t start = -1, end = -1;
        ASSERT_EQ(driver.InitOutputBounds(&start, &end), AAX_SUCCESS);
        EXPECT_EQ(start, 0);
        EXPECT_EQ(end, 1000);

        const PassResult pass = driver.Render(256, 3);
        EXPECT_TRUE(pass.Succeeded());
        EXPECT_EQ(pass.blocks.size(), 4u);
        ASSERT_EQ(driver.Rendered().size(), 3u);
        for (int i = 0; i < 1000; ++i) {
            ASSERT_FLOAT_EQ(driver.Rendered()[0][i], 0.5f * selection->Channels()[0][i]) << i;
            ASSERT_FLOAT_EQ(driver.Rendered()[1][i], 0.5f * selection->Channels()[1][i]) << i;
            ASSERT_FLOAT_EQ(driver.Rendered()[2][i], 0.5f * selection->Channels()[1][i]) << i;  // the last input
        }
        // The clip name suffix comes through the processor's second version.
        std::string suffix = "unset";
        EXPECT_EQ(driver.ClipNameSuffix(31, &suffix), AAX_SUCCESS);
        EXPECT_EQ(suffix, "gain 0.50");
        EXPECT_EQ(driver.ClipNameSuffix(4, &suffix), AAX_SUCCESS);
        EXPECT_EQ(suffix, "gain") << "no longer than the host asks";
    }
    const std::vector<AudioRequest> requests = selection->Requests();
    ASSERT_EQ(requests.size(), 4u);
    for (std::size_t block = 0; block < 4; ++block) {
        EXPECT_EQ(requests[block].location, static_cast<std::int64_t>(256 * block));
        EXPECT_EQ(requests[block].inputCount, 2);
        EXPECT_EQ(requests[block].requested, 256);
    }
    EXPECT_EQ(requests[3].delivered, 1000 - 768) << "the selection ends inside the last window";
}

TEST(Offline, AnalysisPassSeesTheSelectionAndItsForceAnalyzeIsCounted) {
    TrivialModuleHost host;
    const EffectDescription& effect = host.Effect(trivial::kAudioSuiteEffectID);
    auto instance = CreateEffectInstance(effect);
    ASSERT_EQ(instance->Initialize(), AAX_SUCCESS);
    std::vector<std::vector<float>> audio(1, std::vector<float>(300, 0.25f));
    ACFPtr<SelectionDelegate> selection = MakeHostObject<SelectionDelegate>(audio);
    OfflineDriver driver(CreateHostProcessor(effect), instance->Controller(), *selection.Get());
    ASSERT_EQ(driver.Initialize(), AAX_SUCCESS);

    EXPECT_TRUE(driver.Analyze(128).Succeeded());
    EXPECT_EQ(selection->ForceAnalyzeCount(), 0);

    audio[0][299] = -1.5f;  // a peak in the last, partial window
    ACFPtr<SelectionDelegate> loud = MakeHostObject<SelectionDelegate>(audio);
    OfflineDriver loudDriver(CreateHostProcessor(effect), instance->Controller(), *loud.Get());
    ASSERT_EQ(loudDriver.Initialize(), AAX_SUCCESS);
    const PassResult pass = loudDriver.Analyze(128);
    EXPECT_TRUE(pass.Succeeded());
    EXPECT_EQ(pass.blocks.size(), 3u);
    EXPECT_EQ(loud->ForceAnalyzeCount(), 1);
}

TEST(SelectionDelegate, NeverWritesPastTheHostBuffersAndReadsSilenceBeforeTheStart) {
    ACFPtr<SelectionDelegate> selection =
        MakeHostObject<SelectionDelegate>(std::vector<std::vector<float>>{{1, 2, 3, 4, 5, 6}});
    std::vector<float> buffer(8, -1.0f);
    const float* inputs[] = {buffer.data(), nullptr};
    selection->SetBufferCapacity(4);

    std::int32_t samples = 8;
    ASSERT_EQ(selection->GetAudio(inputs, 1, -2, &samples), AAX_SUCCESS);
    EXPECT_EQ(samples, 4) << "no more than the buffers hold";
    EXPECT_EQ(buffer, (std::vector<float>{0, 0, 1, 2, -1, -1, -1, -1}));

    samples = 4;
    ASSERT_EQ(selection->GetAudio(inputs, 2, 5, &samples), AAX_SUCCESS);  // a null entry is skipped
    EXPECT_EQ(samples, 1);
    samples = 4;
    ASSERT_EQ(selection->GetAudio(inputs, 1, 6, &samples), AAX_SUCCESS);
    EXPECT_EQ(samples, 0);
    samples = -3;
    ASSERT_EQ(selection->GetAudio(inputs, 1, 0, &samples), AAX_SUCCESS);
    EXPECT_EQ(samples, 0);
    EXPECT_EQ(selection->GetAudio(nullptr, 1, 0, &samples), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ(selection->GetAudio(inputs, 1, 0, nullptr), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ(selection->Requests().size(), 4u);
}

}  // namespace
