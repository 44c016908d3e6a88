// The AudioSuite processor over the test core and the host simulator's in-memory
// selection: what each pass sends to the core, the latency pre-roll, short reads, the
// analysis tail, the time-code start and the analysis request.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "HostProcessorScenario.h"
#include "aaxhost/SimulatedController.h"
#include "contract/HookCallbackRecords.h"

namespace {

std::vector<float> Slice(const std::vector<float>& channel, std::size_t from, std::size_t count) {
    std::vector<float> slice(count, 0.0f);
    for (std::size_t i = 0; i < count && from + i < channel.size(); ++i) slice[i] = channel[from + i];
    return slice;
}

std::vector<std::uint32_t> EventCodes(const std::vector<NotifyRecord>& events) {
    std::vector<std::uint32_t> codes;
    for (const NotifyRecord& event : events) codes.push_back(event.event);
    return codes;
}

TEST(HostProcessorRender, FirstRenderPullsTheLatencyThenTheWindowAfterIt) {
    HostProcessorScenario s;
    const auto selection = NumberedSelection(2, 4096);
    s.Make(selection, kChannelConfigStereo, 512);
    ASSERT_EQ(s.Controller().LatencyReports().back(), 512);
    s.Core().SetBlockChannels(2, 1);

    ASSERT_TRUE(s.Driver().Render(1024).Succeeded());

    const std::vector<aaxhost::AudioRequest> requests = s.Selection().Requests();
    ASSERT_EQ(requests.size(), 5u) << "one pre-roll read, then one read per window";
    EXPECT_EQ(requests[0].location, 0);
    EXPECT_EQ(requests[0].requested, 512);
    const std::int64_t locations[] = {512, 1536, 2560, 3584};
    for (std::size_t i = 1; i < requests.size(); ++i) {
        EXPECT_EQ(requests[i].location, locations[i - 1]) << "read " << i;
        EXPECT_EQ(requests[i].requested, 1024) << "read " << i;
    }

    const std::vector<CoreBlock> blocks = s.Blocks(2);
    ASSERT_EQ(blocks.size(), 5u);
    EXPECT_EQ(blocks[0].record.sampleCount, 512u);
    EXPECT_EQ(blocks[0].samples[1], Slice(selection[1], 0, 512)) << "the pre-roll goes to the core";
    EXPECT_EQ(blocks[1].record.sampleCount, 1024u);
    EXPECT_EQ(blocks[1].samples[0], Slice(selection[0], 512, 1024));
    for (const CoreBlock& block : blocks) EXPECT_EQ(block.record.offline, 0) << "render blocks";
    EXPECT_EQ(blocks[2].transport.samplePosition, 1024.0) << "selection start + location";

    // The output lines up with the selection; past its end the core hears silence.
    EXPECT_EQ(s.Driver().Rendered()[0], Slice(selection[0], 512, 4096));
    EXPECT_EQ(blocks[4].samples[0], Slice(selection[0], 3584, 1024));

    // The next pass pulls the pre-roll again.
    s.Mark();
    ASSERT_TRUE(s.Driver().Render(1024).Succeeded());
    EXPECT_EQ(s.Blocks(2).size(), 5u);
    EXPECT_EQ(s.Blocks(2)[0].record.sampleCount, 512u);
}

TEST(HostProcessorRender, AShortReadIsZeroFilledAndTheLocationAdvancesByWhatWasRead) {
    HostProcessorScenario s;
    const auto selection = NumberedSelection(2, 1500);
    s.Make(selection);
    s.Core().SetBlockChannels(2, 1);
    s.Selection().SetBufferCapacity(1024);
    std::vector<float> in0(1024), in1(1024), out0(1024, 7.0f), out1(1024, 7.0f);
    const float* inputs[] = {in0.data(), in1.data()};
    float* outputs[] = {out0.data(), out1.data()};

    ASSERT_EQ(s.processor->PreRender(2, 2, 1024), AAX_SUCCESS);
    s.processor->SetLocation(1024);
    s.Mark();
    std::int32_t window = 1024;
    ASSERT_EQ(s.processor->RenderAudio(inputs, 2, outputs, 2, &window), AAX_SUCCESS);

    EXPECT_EQ(s.Selection().Requests().back().delivered, 476);
    EXPECT_EQ(s.processor->Location(), 1500) << "advanced by the samples read";
    EXPECT_EQ(out1, Slice(selection[1], 1024, 1024)) << "the rest of the window is silence";
    const std::vector<CoreBlock> blocks = s.Blocks(2);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].record.sampleCount, 1024u) << "the core still gets a full window";
}

// The pre-roll primes the core's lookahead with the selection's first samples however
// little each read delivers (hosts deliver less near a selection's end), and ends in
// silence once a read delivers nothing.
TEST(HostProcessorRender, ThePreRollReadsOnAfterShortReadsAndEndsInSilenceWhenNothingIsLeft) {
    struct Case {
        std::size_t length;
        std::uint32_t latency;
        std::int32_t readLimit;                             // 0: whole reads
        std::vector<std::pair<std::size_t, bool>> preRoll;  // each block's samples, and whether read
    };
    const Case cases[] = {{3000, 100, 64, {{64, true}, {36, true}}}, {100, 512, 0, {{100, true}, {412, false}}}};
    for (const Case& c : cases) {
        HostProcessorScenario s;
        const auto selection = NumberedSelection(2, c.length);
        s.Make(selection, kChannelConfigStereo, c.latency);
        s.Core().SetBlockChannels(2, 1);
        s.Selection().SetReadLimit(c.readLimit);
        ASSERT_TRUE(s.Driver().Render(1024).Succeeded());
        const std::vector<CoreBlock> blocks = s.Blocks(2);
        ASSERT_GT(blocks.size(), c.preRoll.size()) << c.latency;
        std::size_t at = 0;
        for (std::size_t b = 0; b < c.preRoll.size(); ++b) {
            const auto [samples, read] = c.preRoll[b];
            ASSERT_EQ(blocks[b].record.sampleCount, samples) << c.latency << " block " << b;
            EXPECT_EQ(blocks[b].samples[1], read ? Slice(selection[1], at, samples) : std::vector<float>(samples))
                << c.latency << " block " << b;
            at += samples;
        }
        EXPECT_EQ(blocks[c.preRoll.size()].samples[0].front(), c.length > 100 ? selection[0][100] : 0.0f)
            << "the render reads on behind the pre-roll";
    }
}

// Generic layouts (11 to 24 channels) repeat one speaker: the core gets every channel,
// each at its own place, and every rendered channel comes back where it was.
TEST(HostProcessorRender, TwelveChannelsReachTheCoreDistinctAndReturnInPlace) {
    HostProcessorScenario s;
    const auto selection = NumberedSelection(12, 3000);
    s.Make(selection, kChannelConfigGenericFirst + 9);
    s.Core().SetBlockChannels(12, 1);
    s.Core().SetBlockGain(2.0f);
    ASSERT_TRUE(s.Driver().Render(1024).Succeeded());
    const std::vector<CoreBlock> blocks = s.Blocks(12);
    ASSERT_EQ(blocks.size(), 3u);
    for (std::size_t k = 0; k < 12; ++k) {
        EXPECT_EQ(blocks[0].samples[k], Slice(selection[k], 0, 1024)) << "core channel " << k;
        std::vector<float> doubled = selection[k];
        for (float& sample : doubled) sample *= 2.0f;
        EXPECT_EQ(s.Driver().Rendered()[k], doubled) << "channel " << k;
    }
}

TEST(HostProcessorRender, MonoFeedsInputZeroToBothOfTwoOutputs) {
    HostProcessorScenario s;
    const auto selection = NumberedSelection(1, 3000);
    s.Make(selection, kChannelConfigMono);
    s.Core().SetBlockChannels(1, 1);
    ASSERT_TRUE(s.Driver().Render(1024, 2).Succeeded());
    EXPECT_EQ(s.Driver().Rendered()[0], selection[0]);
    EXPECT_EQ(s.Driver().Rendered()[1], selection[0]);
    EXPECT_EQ(s.Blocks(1).size(), 3u);
}

TEST(HostProcessorRender, WrongWindowOrOutputCountAndWindowsBeyondTheAnalysisBufferAreRefused) {
    HostProcessorScenario s;
    s.Make(NumberedSelection(2, 2048));
    for (std::int32_t outputs : {1, 3}) {
        const aaxhost::PassResult pass = s.Driver().Render(1024, outputs);
        ASSERT_FALSE(pass.blocks.empty());
        for (AAX_Result result : pass.blocks) EXPECT_EQ(result, AAX_ERROR_UNIMPLEMENTED) << outputs << " outputs";
    }
    std::vector<float> buffer(2048);
    const float* inputs[] = {buffer.data(), buffer.data()};
    float* outputs[] = {buffer.data(), buffer.data()};
    s.Mark();
    std::int32_t window = -1;
    EXPECT_EQ(s.processor->RenderAudio(inputs, 2, outputs, 2, &window), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(s.processor->AnalyzeAudio(inputs, 2, &window), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_TRUE(s.CallsOf(23).empty());

    // A window or channel count beyond the prepared analysis buffer.
    ASSERT_EQ(s.processor->PreAnalyze(2, 512), AAX_SUCCESS);
    window = 1024;  // fits 2 x 512 as a total, but not per channel
    EXPECT_EQ(s.processor->AnalyzeAudio(inputs, 1, &window), AAX_ERROR_UNIMPLEMENTED);
    window = 256;
    const float* three[] = {buffer.data(), buffer.data(), buffer.data()};
    EXPECT_EQ(s.processor->AnalyzeAudio(three, 3, &window), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(s.processor->AnalyzeAudio(inputs, 2, &window), AAX_SUCCESS);
}

TEST(HostProcessorRender, APreviewLoopKeepsItsPassAndSendsNothing) {
    HostProcessorScenario s;
    s.Make(NumberedSelection(2, 2048));
    ASSERT_EQ(s.processor->PreRender(2, 2, 1024), AAX_SUCCESS);
    std::int32_t on = 1;
    ASSERT_EQ(s.instance->NotificationReceived(AAX_eNotificationEvent_ASPreviewState, &on, 4), AAX_SUCCESS);
    s.Mark();
    EXPECT_EQ(s.processor->PostRender(), AAX_SUCCESS);
    EXPECT_EQ(s.processor->PreRender(2, 2, 1024), AAX_SUCCESS);
    EXPECT_EQ(s.processor->PostRender(), AAX_SUCCESS);
    EXPECT_TRUE(s.Selectors().empty());
    EXPECT_TRUE(s.instance->OfflineMode());
}

TEST(HostProcessorRender, ARenderPassTellsTheCoreItsLengthLayoutUnlessFixedAndPhases) {
    for (PluginFormat format : {kOfflineFormat, kOfflineFixedFormat}) {
        HostProcessorScenario s;
        s.Make(NumberedSelection(1, 2048), kChannelConfigStereo, 0, format);  // a stereo instance, a mono selection
        ASSERT_TRUE(s.Driver().Render(1024, format == kOfflineFixedFormat ? 2 : 1).Succeeded());
        const std::vector<TestCoreCall> lengths = s.CallsOf(39);
        ASSERT_EQ(lengths.size(), 1u);
        EXPECT_EQ(lengths[0].As<SelectionLengthRecord>().length, 2048u);
        if (format == kOfflineFixedFormat) {
            EXPECT_TRUE(s.CallsOf(17).empty()) << "a fixed AudioSuite layout is kept";
            EXPECT_EQ(s.instance->ChannelConfiguration(), kChannelConfigStereo);
            continue;
        }
        ASSERT_EQ(s.CallsOf(17).size(), 1u);
        EXPECT_EQ(s.CallsOf(17)[0].As<ConfigureRecord>().channelConfig, kChannelConfigMono);
        EXPECT_EQ(EventCodes(s.Events()),
                  (std::vector<std::uint32_t>{kCoreEventTimecodeOffset, kCoreEventRenderStarts, kCoreEventRenderEnds}));
        std::vector<std::uint32_t> modes;
        for (const TestCoreCall& call : s.CallsOf(21)) modes.push_back(call.As<OfflineModeRecord>().on);
        EXPECT_EQ(modes, (std::vector<std::uint32_t>{1, 0}));
    }
}

TEST(HostProcessorAnalysis, TheCoreHearsTheSelectionThenItsTailAsSilence) {
    HostProcessorScenario s;
    const auto selection = NumberedSelection(2, 2048);
    s.Make(selection, kChannelConfigStereo, 2500);
    s.Core().SetBlockChannels(2, 1);
    ASSERT_TRUE(s.Driver().Analyze(1024).Succeeded());

    const std::vector<CoreBlock> blocks = s.Blocks(2);
    ASSERT_EQ(blocks.size(), 5u);
    const std::uint32_t counts[] = {1024, 1024, 1024, 1024, 452};
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        EXPECT_EQ(blocks[i].record.sampleCount, counts[i]) << "block " << i;
        EXPECT_EQ(blocks[i].record.offline, 1) << "block " << i;
    }
    EXPECT_EQ(blocks[1].samples[1], Slice(selection[1], 1024, 1024));
    EXPECT_EQ(blocks[4].samples[0], std::vector<float>(452, 0.0f));
    // The tail starts where the host left the location and moves it on.
    EXPECT_EQ(blocks[2].transport.samplePosition, 1024.0);
    EXPECT_EQ(blocks[3].transport.samplePosition, 2048.0);
    EXPECT_EQ(s.processor->Location(), 1024 + 2500);
    EXPECT_EQ(EventCodes(s.Events()),
              (std::vector<std::uint32_t>{kCoreEventTimecodeOffset, kCoreEventAnalysisStarts, kCoreEventAnalysisEnds}));
    EXPECT_EQ(s.CallsOf(39).size(), 1u);
    EXPECT_EQ(s.CallsOf(18).size(), 1u);
}

struct TimecodeCase {
    AAX_EFrameRate rate;
    std::int32_t frames;
    bool sent;
    std::uint64_t samples;
};

TEST(HostProcessorTimecode, TheTimelineStartReachesTheCoreInSamples) {
    const TimecodeCase cases[] = {
        {AAX_eFrameRate_2997NonDrop, 30, true, 48048}, {AAX_eFrameRate_2997DropFrame, 30, true, 48048},
        {AAX_eFrameRate_25Frame, 25, true, 48000},     {AAX_eFrameRate_30DropFrame, 30, false, 0},
        {AAX_eFrameRate_2997NonDrop, -1, false, 0},
    };
    for (const TimecodeCase& c : cases) {
        HostProcessorScenario s;
        s.Make(NumberedSelection(2, 1024));
        s.Transport().Update([&](aaxhost::TransportState& state) {
            state.timeCode = aaxhost::TransportState::TimeCode{c.rate, c.frames};
        });
        for (int pass = 0; pass < 2; ++pass) {
            s.Mark();
            if (pass == 0)
                ASSERT_EQ(s.processor->PreRender(2, 2, 1024), AAX_SUCCESS);
            else
                ASSERT_EQ(s.processor->PreAnalyze(2, 1024), AAX_SUCCESS);
            std::vector<NotifyRecord> offsets;
            for (const NotifyRecord& event : s.Events())
                if (event.event == kCoreEventTimecodeOffset) offsets.push_back(event);
            ASSERT_EQ(offsets.size(), c.sent ? 1u : 0u) << "rate " << c.rate << ", pass " << pass;
            if (c.sent) {
                EXPECT_EQ(offsets[0].pointer, c.samples) << "rate " << c.rate;
            }
        }
    }
}

TEST(HostProcessorTimecode, TheSelectionStartPlacesTheBlocksOnTheTimeline) {
    HostProcessorScenario s;
    s.Make(NumberedSelection(2, 2048));
    s.Transport().Update([](aaxhost::TransportState& state) { state.selectionStart = 96000; });
    ASSERT_TRUE(s.Driver().Render(1024).Succeeded());
    const std::vector<CoreBlock> blocks = s.Blocks(0);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[1].transport.samplePosition, 96000.0 + 1024);
}

TEST(HostProcessorAnalysisRequest, TheCoresCommandReachesTheDelegateUntilTheProcessorIsGone) {
    HostProcessorScenario s;
    s.Make(NumberedSelection(2, 1024));
    CoreCommandRecord command{kCoreCommandChanged, 0, 0};
    EXPECT_EQ(s.Instances().CallHook(*s.instance, 21, 0, &command), 0u);
    EXPECT_EQ(s.Selection().ForceAnalyzeCount(), 1);
    s.DestroyProcessor();
    EXPECT_EQ(s.Instances().CallHook(*s.instance, 21, 0, &command), 0u);
    EXPECT_EQ(s.Selection().ForceAnalyzeCount(), 1);
}

TEST(HostProcessorFactory, MakesAProcessorThatNeedsThisModulesInstance) {
    IACFUnknown* made = CreateHostProcessor();
    ASSERT_NE(made, nullptr);
    ACFPtr<AAX_IACFHostProcessor> processor = ACFPtr<AAX_IACFHostProcessor>::Query(made, IID_IAAXHostProcessorV1);
    ASSERT_TRUE(processor);
    EXPECT_EQ(made->Release(), 1u) << "the factory handed out one reference";
    ACFPtr<aaxhost::SimulatedController> controller = aaxhost::MakeHostObject<aaxhost::SimulatedController>();
    EXPECT_EQ(processor->Initialize(controller->AsInterface()), AAX_ERROR_NULL_OBJECT);
    processor->Uninitialize();
}

}  // namespace
