// aaxhost render and audiosuite stream their files, a block or window at a time through
// a read cache and a write buffer of a megabyte each: what they write is bit for bit what
// the demo core gives for the whole input held in memory, here over a file longer than
// both, in blocks and windows that split the cache's pieces, and with a read limit.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aax/AAX_StemFormat.h"
#include "aaxhost/ObjectFactory.h"
#include "aaxhost/OfflineDriver.h"
#include "aaxhost/SelectionDelegate.h"
#include "aaxhost/cli/WavFile.h"
#include "support/DemoProduct.h"
#include "support/ToolRun.h"
#include "support/WavNoise.h"

using namespace aaxhost::cli;

namespace {

constexpr std::size_t kFrames = 300000;  // 1.8 MB of 24-bit stereo: past a megabyte either way
constexpr std::int32_t kBlock = 333;
constexpr std::int32_t kLatency = 64;  // the demo core's

// Noise that differs per channel, written as 24-bit PCM; the samples as the file holds them.
Signal WriteInput(const std::string& path) {
    WavAudio audio = WavNoise(kFrames, 2024);
    audio.format = SampleFormat::Pcm24;
    WriteWavFile(path, audio);
    return ReadWavFile(path).channels;
}

class Streaming : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(PrimeHookCopy(module_, ProductSettings("LmDemoCore.dll", "CoreConfig:demo", "LmDemoStream")), "");
        input_ = WriteInput(files_.File("in.wav"));
    }

    // The channels of the file aaxhost writes for `arguments` (after the module path).
    Signal Run(const std::string& command, std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {command, Utf8Text(module_), "--in", files_.File("in.wav"), "--out",
                                             files_.File("out.wav"), "--float"});
        const ToolRun run = RunAaxhost(arguments);
        EXPECT_EQ(run.exitCode, 0u) << run.err;
        return ReadWavFile(files_.File("out.wav")).channels;
    }

    const ScratchFolder files_{L"cli-stream"};
    const ScratchFolder product_{L"cli-stream-product"};
    const std::wstring module_ = [this] {
        product_.CopyBinary(L"LmDemoCore.dll");
        return product_.Join(L"LmDemoStream" + product_.Id() + L".aaxplugin");
    }();
    Signal input_;
};

TEST_F(Streaming, RenderWritesWhatTheWholeInputGivesInMemory) {
    const Signal streamed =
        Run("render", {"--effect", "com.lumetra.lmdemo Stereo", "--block", std::to_string(kBlock), "--compensate"});

    // The same blocks over the input and the latency's silence after it, the first
    // <latency> samples dropped.
    DemoProduct demo;
    RealtimeRig rig(demo.Effect("Stereo"), kBlock);
    Signal padded = input_;
    for (auto& channel : padded) channel.resize(kFrames + kLatency, 0.0f);
    Signal expected = rig.Render(padded, kBlock);
    for (auto& channel : expected) channel.erase(channel.begin(), channel.begin() + kLatency);
    ASSERT_EQ(streamed.size(), 2u);
    for (std::size_t c = 0; c < 2; ++c) EXPECT_TRUE(streamed[c] == expected[c]) << "channel " << c;
}

TEST_F(Streaming, AudioSuiteWritesWhatTheWholeSelectionGivesInMemory) {
    const Signal streamed = Run("audiosuite", {"--analyze", "--window", std::to_string(kBlock), "--read-limit", "7"});

    DemoProduct demo;
    const aaxhost::EffectDescription& effect = demo.Effect("Audiosuite");
    aaxhost::InstanceSetup setup = aaxhost::SetupFor(effect.components.front());
    setup.inputStemFormat = setup.outputStemFormat = StemFormatForChannelCount(2);
    std::unique_ptr<aaxhost::EffectInstance> instance = aaxhost::CreateEffectInstance(effect, setup);
    ASSERT_EQ(instance->Initialize(), AAX_SUCCESS);
    ACFPtr<aaxhost::SelectionDelegate> selection = aaxhost::MakeHostObject<aaxhost::SelectionDelegate>(input_);
    selection->SetReadLimit(7);
    {
        aaxhost::OfflineDriver driver(aaxhost::CreateHostProcessor(effect), instance->Controller(), *selection.Get());
        ASSERT_EQ(driver.Initialize(), AAX_SUCCESS);
        ASSERT_EQ(driver.InitOutputBounds(), AAX_SUCCESS);
        ASSERT_TRUE(driver.Analyze(kBlock).Succeeded());
        ASSERT_TRUE(driver.Render(kBlock).Succeeded());
        ASSERT_EQ(streamed.size(), 2u);
        for (std::size_t c = 0; c < 2; ++c) EXPECT_TRUE(streamed[c] == driver.Rendered()[c]) << "channel " << c;
    }
}

}  // namespace
