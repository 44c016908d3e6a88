#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <utility>
#include <vector>

#include "RenderScenario.h"

namespace {

// Sample i of input channel k: distinct across channels and blocks.
void FillInputs(aaxhost::InstanceContext& context, std::int32_t samples, float base) {
    for (std::int32_t k = 0; k < context.InputChannelCount(); ++k)
        for (std::int32_t i = 0; i < samples; ++i) context.Input(k)[i] = base + 1000.0f * k + i;
}

std::vector<float*> HostOutputArray(aaxhost::InstanceContext& context) {
    auto* const* outputs = static_cast<float* const*>(context.Field(AAX_eContextField_AudioOut));
    return std::vector<float*>(outputs, outputs + context.OutputChannelCount());
}

// An input stem of one channel, or one the render does not know, fills every output
// channel from input 0; so do aux outputs beyond the inputs.
TEST(RealtimeRender, OutputsBeyondTheInputsArePreFilledFromInputZero) {
    EXPECT_FALSE(IsKnownStemFormat(AAX_eStemFormat_Any));
    EXPECT_TRUE(IsKnownStemFormat(AAX_eStemFormat_7_0_2));
    const struct {
        PluginFormat format;
        AAX_EStemFormat input;
        std::vector<int> sources;  // the input each output channel starts from
    } cases[] = {{kRenderPlainFormat, AAX_eStemFormat_Mono, {0, 0}},
                 {kRenderPlainFormat, static_cast<AAX_EStemFormat>(0x70007), {0, 0}},
                 {kRenderMidiFormat, AAX_eStemFormat_Stereo, {0, 1, 0, 0}}};  // two aux channels
    for (const auto& c : cases) {
        RenderScenario s;
        s.Make(c.format, kChannelConfigStereo, c.input, AAX_eStemFormat_Stereo);
        s.Context().SetBlockLength(32);
        FillInputs(s.Context(), 32, 5.0f);
        s.Render();
        for (std::size_t k = 0; k < c.sources.size(); ++k)
            for (std::int32_t i = 0; i < 32; ++i)
                ASSERT_EQ(s.Context().Output(static_cast<std::int32_t>(k))[i], 5.0f + 1000.0f * c.sources[k] + i)
                    << c.input << " output " << k;
    }
}

// The core gets the host's output pointers in its own channel order (5.1: host L C R Ls
// Rs LFE becomes L R C LFE Ls Rs), aux channels behind the main ones; the host's array
// itself stays as it was.
TEST(RealtimeRender, OutputPointersReachTheCoreInItsChannelOrder) {
    struct Case {
        PluginFormat format;
        ChannelConfig config;
        AAX_EStemFormat stem;
        std::vector<int> order;  // host channel of each core channel
    };
    const Case cases[] = {
        {kRenderPlainFormat, kChannelConfig5_1, AAX_eStemFormat_5_1, {0, 2, 1, 5, 3, 4}},
        {kRenderPlainFormat, kChannelConfigQuad, AAX_eStemFormat_Quad, {0, 1, 2, 3}},
        {kRenderMidiFormat, kChannelConfigStereo, AAX_eStemFormat_Stereo, {0, 1, 2, 3}},  // one aux stem
    };
    for (const Case& c : cases) {
        RenderScenario s;
        s.Make(c.format, c.config, c.stem, c.stem);
        const auto channels = static_cast<std::uint32_t>(c.order.size());
        ASSERT_EQ(s.Context().OutputChannelCount(), static_cast<std::int32_t>(channels));
        s.Core().SetBlockChannels(channels, 0);
        const std::vector<float*> host = HostOutputArray(s.Context());
        s.Mark();
        s.Render();
        const std::vector<CoreBlock> blocks = s.Blocks(channels);
        ASSERT_EQ(blocks.size(), 1u);
        std::vector<float*> expected;
        for (int k : c.order) expected.push_back(host[k]);
        EXPECT_EQ(blocks[0].channels, expected) << channels << " channels";
        EXPECT_EQ(blocks[0].record.auxOutputCount, c.format == kRenderMidiFormat ? 1u : 0u);
        EXPECT_EQ(HostOutputArray(s.Context()), host);
    }
}

TEST(RealtimeRender, ThousandsOfMidiPacketsReachTheCoreInOrderThroughBatchesOfAtMostOneThousand) {
    RenderScenario s;
    Parameters* parameters =
        s.Make(kRenderMidiFormat, kChannelConfigStereo, AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo);
    std::vector<AAX_CMidiPacket> packets(2500);
    for (std::uint32_t i = 0; i < packets.size(); ++i)
        packets[i] =
            AAX_CMidiPacket{i % 64,
                            3,
                            {0x90, static_cast<std::uint8_t>(i % 128), static_cast<std::uint8_t>(i / 128), 0x55},
                            0};
    s.Context().MIDINode(AAX_eContextField_MIDIIn)->SetPackets(packets);
    s.Mark();
    s.Render();
    const std::vector<TestCoreCall> midi = s.Instances().CallsOf(24);
    ASSERT_EQ(midi.size(), 1u);
    const std::vector<std::uint8_t>& data = midi[0].data;
    ASSERT_EQ(data.size(), 2500u * 8);
    for (std::uint32_t i = 0; i < 2500; ++i) {
        std::uint32_t word = 0;
        std::uint32_t offset = 0;
        std::memcpy(&word, data.data() + 4 * i, 4);
        std::memcpy(&offset, data.data() + 4 * 2500 + 4 * i, 4);
        ASSERT_EQ(word, 0x90000000u | (i % 128) << 16 | (i / 128) << 8) << "packet " << i;
        ASSERT_EQ(offset, i % 64) << "packet " << i;
    }
    // The intake never outgrew its reserve: the words moved on in batches.
    EXPECT_EQ(parameters->RenderMidiWords().capacity(), 1000u);
    EXPECT_TRUE(parameters->RenderMidiWords().empty());
    // Selector 24 goes before the block.
    const std::vector<std::uint32_t> selectors = s.Instances().Selectors();
    ASSERT_EQ(selectors.size(), 2u);
    EXPECT_EQ(selectors[0], 24u);
    EXPECT_EQ(selectors[1], 23u);
}

// A connected side chain is one input of one channel; when the host's buffer behind the
// field is null the input is still passed, with no channel; once disconnected, none.
TEST(RealtimeRender, SideChainGoesAsOneChannelOnlyWhenTheHostConnectsIt) {
    struct Case {
        bool connected;
        bool nullBuffer;
        std::uint32_t channels;
    };
    for (const Case c : {Case{false, false, 0}, Case{true, false, 1}, Case{true, true, 0}}) {
        RenderScenario s;
        s.Make(kRenderMidiFormat, kChannelConfigStereo, AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo, c.connected);
        const auto* index = static_cast<const std::int32_t*>(s.Context().Field(AAX_eContextField_SideChainIn));
        ASSERT_EQ(index != nullptr, c.connected);
        if (c.nullBuffer)
            const_cast<float**>(static_cast<float* const*>(s.Context().Field(AAX_eContextField_AudioIn)))[*index] =
                nullptr;
        s.Mark();
        s.Render();
        const std::vector<CoreBlock> blocks = s.Blocks(0);
        ASSERT_EQ(blocks.size(), 1u);
        EXPECT_EQ(blocks[0].record.sideChainCount, c.connected ? 1u : 0u) << "a null field sends no side chain";
        EXPECT_EQ(blocks[0].record.sideChainChannelCounts[0], c.channels) << c.nullBuffer;
        EXPECT_EQ(blocks[0].record.sideChainInputs[0] != nullptr, c.channels == 1) << c.nullBuffer;
        if (!c.connected) continue;
        // Disconnected afterwards: the next block carries no trace of the side chain.
        const_cast<void**>(s.Context().Fields())[AAX_eContextField_SideChainIn] = nullptr;
        s.Render();
        const std::vector<CoreBlock> after = s.Blocks(0);
        ASSERT_EQ(after.size(), 2u);
        EXPECT_EQ(after[1].record.sideChainCount, 0u);
        EXPECT_EQ(after[1].record.sideChainInputs[0], nullptr);
        EXPECT_EQ(after[1].record.sideChainChannelCounts[0], 0u);
    }
}

TEST(RealtimeRender, TransportValuesAndBarPhasesOfAWorkedExampleReachTheCore) {
    RenderScenario s;
    Parameters* parameters =
        s.Make(kRenderPlainFormat, kChannelConfigStereo, AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo);
    ASSERT_FLOAT_EQ(parameters->SampleRate(), 48000.0f);
    aaxhost::SimulatedTransport* transport = s.Instances().Host(*parameters).Transport();
    ASSERT_NE(transport, nullptr);
    transport->Update([](aaxhost::TransportState& t) {
        t.tempo = 120.0;
        t.meter = aaxhost::TransportState::Meter{6, 8};
        t.playing = false;
        t.tickPosition = 960000LL * 11 / 2;  // 5.5 quarter notes
        t.loop = aaxhost::TransportState::Loop{true, 960000LL * 2, 960000LL * 6};
        t.sampleLocation = 777;
        t.selectionStart = 4800;
    });
    s.Mark();
    s.Render();
    // Every value the render converts moves: what reaches the core follows at once.
    transport->Update([](aaxhost::TransportState& t) {
        t.playing = true;
        t.tempo = 60.0;
        t.tickPosition = 960000LL * 7;
        t.loop = aaxhost::TransportState::Loop{true, 960000LL * 3, 960000LL * 5};
    });
    s.Render();
    const std::vector<CoreBlock> blocks = s.Blocks(0);
    ASSERT_EQ(blocks.size(), 2u);
    const TransportRecord& stopped = blocks[0].transport;
    EXPECT_EQ(stopped.tempo, 120.0);
    EXPECT_EQ(stopped.meterNumerator, 6u);
    EXPECT_EQ(stopped.meterDenominator, 8u);
    EXPECT_EQ(stopped.playState, 1u);
    EXPECT_EQ(stopped.looping, 1u);
    EXPECT_EQ(stopped.loopStart, 2.0);
    EXPECT_EQ(stopped.loopEnd, 6.0);
    EXPECT_EQ(stopped.loopingValid + stopped.loopStartValid + stopped.loopEndValid + stopped.tickPositionValid, 4u);
    EXPECT_EQ(stopped.tickPosition, 5280.0);
    EXPECT_EQ(stopped.samplePosition, 4800.0) << "stopped: the selection start";
    EXPECT_EQ(stopped.samplePositionValid, 1u);
    // 24000 samples per quarter; 11 eighths are 5 into the second 6/8 bar: r = 1/6.
    EXPECT_NEAR(stopped.barPhase1, 2000.0, 0.01);
    EXPECT_NEAR(stopped.barPhase2, 12000.0, 0.05);
    EXPECT_EQ(stopped.barPhase1Valid, 1u);
    EXPECT_EQ(stopped.barPhase2Valid, 1u);
    const TransportRecord& playing = blocks[1].transport;
    EXPECT_EQ(playing.playState, 2u);
    EXPECT_EQ(playing.samplePosition, 777.0) << "playing: the native sample location";
    EXPECT_EQ(playing.loopStart, 3.0);
    EXPECT_EQ(playing.loopEnd, 5.0);
    // 48000 samples per quarter; 14 eighths are 2 into the third bar: r = 2/3.
    EXPECT_NEAR(playing.barPhase1, 16000.0, 0.05);
    EXPECT_NEAR(playing.barPhase2, 96000.0, 0.5);
}

// The words and offsets of one MIDI batch the core received (selector 24).
std::pair<std::vector<std::uint32_t>, std::vector<std::uint32_t>> MidiBatch(const TestCoreCall& call) {
    const std::size_t count = call.data.size() / 8;
    std::vector<std::uint32_t> words(count), offsets(count);
    std::memcpy(words.data(), call.data.data(), count * 4);
    std::memcpy(offsets.data(), call.data.data() + count * 4, count * 4);
    return {words, offsets};
}

// While the hook bypasses the core, MIDI for it is dropped rather than piled up, except
// what ends notes: that reaches the core, in order, first thing after the bypass, so no
// note stays stuck. Endings beyond the held room become one all-notes-off per channel.
TEST(RealtimeRender, WhileTheHookBypassesOnlyNoteEndingsAreKeptForTheCore) {
    RenderScenario s;
    Parameters* parameters =
        s.Make(kRenderMidiFormat, kChannelConfigStereo, AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo);
    aaxhost::EffectInstance& host = s.Instances().Host(*parameters);
    aaxhost::SimulatedMIDINode* node = s.Context().MIDINode(AAX_eContextField_MIDIIn);
    const auto bypass = [&](double on) { ASSERT_EQ(host.Automate(parameters->BypassId().CStr(), on), AAX_SUCCESS); };
    bypass(1.0);
    std::vector<AAX_CMidiPacket> packets(1500, AAX_CMidiPacket{0, 3, {0x90, 60, 100, 0}, 0});
    packets[10] = {7, 3, {0x81, 62, 40, 0}, 0};   // note-off
    packets[20] = {8, 3, {0x92, 64, 0, 0}, 0};    // note-on of velocity 0
    packets[30] = {9, 3, {0xB0, 64, 0, 0}, 0};    // sustain lifted
    packets[40] = {9, 3, {0xB0, 64, 127, 0}, 0};  // sustain pressed: dropped
    packets[50] = {9, 3, {0xB3, 123, 0, 0}, 0};   // all notes off
    packets[60] = {9, 3, {0xB0, 7, 100, 0}, 0};   // volume: dropped
    node->SetPackets(packets);
    s.Mark();
    for (int b = 0; b < 4; ++b) s.Render();  // 6000 events while bypassed
    EXPECT_TRUE(s.Instances().CallsOf(24).empty());

    bypass(0.0);
    node->SetPackets({AAX_CMidiPacket{5, 3, {0x80, 60, 0, 0}, 0}});
    s.Render();
    std::vector<TestCoreCall> midi = s.Instances().CallsOf(24);
    ASSERT_EQ(midi.size(), 1u);
    const std::vector<std::uint32_t> ending = {0x813E2800u, 0x92400000u, 0xB0400000u, 0xB37B0000u};
    std::vector<std::uint32_t> expected;
    for (int b = 0; b < 4; ++b) expected.insert(expected.end(), ending.begin(), ending.end());
    expected.push_back(0x803C0000u);  // then the block's own event
    EXPECT_EQ(MidiBatch(midi[0]).first, expected);
    std::vector<std::uint32_t> offsets(expected.size(), 0);
    offsets.back() = 5;
    EXPECT_EQ(MidiBatch(midi[0]).second, offsets);

    // More endings than the hook holds: the first ones, then all-notes-off for the
    // channels of those that found no room.
    bypass(1.0);
    std::vector<AAX_CMidiPacket> offs;
    for (int i = 0; i < 300; ++i)
        offs.push_back({0, 3, {static_cast<unsigned char>(i < 280 ? 0x80 : 0x85 + i % 2), 60, 0, 0}, 0});
    node->SetPackets(offs);
    s.Render();
    bypass(0.0);
    node->SetPackets({});
    s.Mark();
    s.Render();
    midi = s.Instances().CallsOf(24);
    ASSERT_EQ(midi.size(), 1u);
    const std::vector<std::uint32_t> words = MidiBatch(midi[0]).first;
    ASSERT_EQ(words.size(), PluginHook::kHeldNoteEndings + 3);
    EXPECT_EQ(words[0], 0x803C0000u);
    const std::vector<std::uint32_t> silenced(words.end() - 3, words.end());
    EXPECT_EQ(silenced, (std::vector<std::uint32_t>{0xB07B0000u, 0xB57B0000u, 0xB67B0000u}));
}

TEST(RealtimeRender, HookBypassDelaysByTheLatencyAndSendsNoBlock) {
    constexpr std::int32_t kLatency = 48;
    constexpr std::int32_t kBlock = 32;
    RenderScenario s;
    s.Core().SetLatency(kLatency);
    Parameters* parameters =
        s.Make(kRenderPlainFormat, kChannelConfigStereo, AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo);
    ASSERT_FALSE(parameters->CoreOwnsBypass());
    ASSERT_EQ(parameters->BypassLines().Latency(), static_cast<std::uint32_t>(kLatency));
    aaxhost::EffectInstance& host = s.Instances().Host(*parameters);
    ASSERT_EQ(host.Automate(parameters->BypassId().CStr(), 1.0), AAX_SUCCESS);
    ASSERT_TRUE(parameters->HookBypassEngaged());

    s.Context().SetBlockLength(kBlock);
    float next = 1.0f;  // the signal: 1, 2, 3, ... on the left, negated on the right
    std::vector<float> heard;
    const auto block = [&] {
        for (std::int32_t i = 0; i < kBlock; ++i) {
            s.Context().Input(0)[i] = next;
            s.Context().Input(1)[i] = -next;
            next += 1.0f;
        }
        s.Render();
        for (std::int32_t i = 0; i < kBlock; ++i) {
            heard.push_back(s.Context().Output(0)[i]);
            EXPECT_EQ(s.Context().Output(1)[i], -s.Context().Output(0)[i]);
        }
    };
    s.Mark();
    for (int b = 0; b < 6; ++b) block();
    EXPECT_TRUE(s.Instances().CallsOf(23).empty()) << "no block while the hook bypasses";
    for (std::size_t i = 0; i < heard.size(); ++i)
        EXPECT_EQ(heard[i], i < kLatency ? 0.0f : static_cast<float>(i - kLatency + 1)) << "sample " << i;

    // The transport moved while the core got no block: its next block has the news.
    host.Transport()->Update([](aaxhost::TransportState& t) {
        t.tempo = 93.0;
        t.tickPosition = 960000LL * 3;
    });
    ASSERT_EQ(host.Automate(parameters->BypassId().CStr(), 0.0), AAX_SUCCESS);
    const std::size_t offAt = heard.size();
    block();
    const std::vector<CoreBlock> blocks = s.Blocks(0);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].transport.tempo, 93.0);
    EXPECT_EQ(blocks[0].transport.tickPosition, 2880.0);
    for (std::int32_t i = 0; i < kBlock; ++i) EXPECT_EQ(heard[offAt + i], static_cast<float>(offAt + i + 1));

    ASSERT_EQ(host.Automate(parameters->BypassId().CStr(), 1.0), AAX_SUCCESS);
    const std::size_t onAt = heard.size();
    block();
    for (std::int32_t i = 0; i < kBlock; ++i)
        EXPECT_EQ(heard[onAt + i], static_cast<float>(onAt + i - kLatency + 1)) << "the line was kept filled";
}

// The core may report a new latency on its own thread while the audio thread renders:
// the delay lines change hands without a race, and settle on the last latency.
TEST(RealtimeRender, LatencyChangesDuringRenderingAreTakenOverBetweenBlocks) {
    constexpr std::int32_t kBlock = 64;
    RenderScenario s;
    s.Core().SetLatency(16);
    Parameters* parameters =
        s.Make(kRenderPlainFormat, kChannelConfigStereo, AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo);
    ASSERT_EQ(s.Instances().Host(*parameters).Automate(parameters->BypassId().CStr(), 1.0), AAX_SUCCESS);
    s.Context().SetBlockLength(kBlock);

    std::atomic<bool> stop{false};
    std::thread core([&] {
        std::uint32_t latency = 16;
        while (!stop.load()) {
            latency = latency >= 4000 ? 16 : latency * 2 + 3;
            parameters->SetLatency(0, latency);
            std::this_thread::yield();
        }
        parameters->SetLatency(0, 100);
    });
    float next = 1.0f;
    for (int b = 0; b < 3000; ++b) {
        for (std::int32_t i = 0; i < kBlock; ++i) s.Context().Input(0)[i] = next++;
        s.Render();
    }
    stop.store(true);
    core.join();

    // Once the ring of the last latency is full, the delay is exactly that latency.
    std::vector<float> in, out;
    for (int b = 0; b < 200; ++b) {
        for (std::int32_t i = 0; i < kBlock; ++i) {
            s.Context().Input(0)[i] = next;
            in.push_back(next++);
        }
        s.Render();
        for (std::int32_t i = 0; i < kBlock; ++i) out.push_back(s.Context().Output(0)[i]);
    }
    EXPECT_EQ(parameters->BypassLines().Latency(), 100u);
    for (std::size_t i = in.size() - 1000; i < in.size(); ++i) ASSERT_EQ(out[i], in[i - 100]) << "sample " << i;
}

}  // namespace
