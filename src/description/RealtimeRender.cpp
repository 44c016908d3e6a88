#include "description/RealtimeRender.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "aax/AAX_Enums.h"
#include "aax/AAX_IController.h"
#include "aax/AAX_IMIDINode.h"
#include "aax/AAX_VTransport.h"
#include "contract/BlockRecord.h"
#include "contract/ChannelConfig.h"
#include "description/BarPhase.h"
#include "hook/PluginHook.h"
#include "parameters/BlockHandOver.h"
#include "parameters/Parameters.h"

namespace {

constexpr double kTicksPerQuarter = 960000.0;

// The intake arrays hold one batch without growing, and a block's intake (one batch
// moved on the way, the rest before the hand-over) fits the queue's reserve.
static_assert(kMidiIntakeBatch <= PluginHook::kMidiIntakeCapacity, "a batch fits the intake arrays");
static_assert(2 * kMidiIntakeBatch <= PluginHook::kMidiQueueCapacity, "a block's MIDI fits the queue's reserve");

void* Field(void* const* context, AAX_EContextField field) noexcept { return context[field]; }

void MoveMidi(Parameters& parameters) {
    std::vector<std::uint32_t>& words = parameters.RenderMidiWords();
    std::vector<std::uint32_t>& times = parameters.RenderMidiTimes();
    if (!words.empty() && words.size() == times.size())
        parameters.QueueMidi(static_cast<std::uint32_t>(words.size()), words.data(), times.data());
    words.clear();
    times.clear();
}

// The node's packets as words {status << 24 | data1 << 16 | data2 << 8}, moved into the
// queue every kMidiIntakeBatch words so that the arrays never grow past their reserve.
void TakeMidi(Parameters& parameters, AAX_IMIDINode* node) {
    AAX_CMidiStream* stream = node->GetNodeBuffer();
    if (!stream || !stream->mBuffer) return;
    std::vector<std::uint32_t>& words = parameters.RenderMidiWords();
    std::vector<std::uint32_t>& times = parameters.RenderMidiTimes();
    for (std::uint32_t i = 0; i < stream->mBufferSize; ++i) {
        const AAX_CMidiPacket& packet = stream->mBuffer[i];
        words.push_back(static_cast<std::uint32_t>(packet.mData[0]) << 24 |
                        static_cast<std::uint32_t>(packet.mData[1]) << 16 |
                        static_cast<std::uint32_t>(packet.mData[2]) << 8);
        times.push_back(packet.mTimestamp);
        if (words.size() >= kMidiIntakeBatch && !times.empty()) MoveMidi(parameters);
    }
}

// The host's stem format into `format`, Mono when the query fails or the format is not
// one the render knows; whether the host answered.
bool StemFormat(AAX_IController* controller, bool input, AAX_EStemFormat& format) noexcept {
    AAX_EStemFormat answer = AAX_eStemFormat_Mono;
    const AAX_Result result = !controller ? AAX_ERROR_NULL_OBJECT
                              : input     ? controller->GetInputStemFormat(&answer)
                                          : controller->GetOutputStemFormat(&answer);
    format = result == AAX_SUCCESS && IsKnownStemFormat(answer) ? answer : AAX_eStemFormat_Mono;
    return result == AAX_SUCCESS;
}

// Reads the host's transport interfaces directly: they are asked seven times a block.
void UpdateTransport(Parameters& parameters, AAX_IACFTransport& transport, AAX_IACFTransport_V2* transportV2) {
    Parameters::TransportMemo& memo = parameters.RenderTransportMemo();
    std::int32_t numerator = 0;
    std::int32_t denominator = 0;
    if (transport.GetCurrentMeter(&numerator, &denominator) == AAX_SUCCESS)
        parameters.SetMeter(static_cast<std::uint32_t>(numerator), static_cast<std::uint32_t>(denominator));
    double tempo = 0.0;
    if (transport.GetCurrentTempo(&tempo) == AAX_SUCCESS) parameters.SetTempo(tempo);
    bool playing = false;
    if (transport.IsTransportPlaying(&playing) != AAX_SUCCESS) playing = false;
    parameters.SetPlayState(playing);
    bool looping = false;
    std::int64_t loopStart = 0;
    std::int64_t loopEnd = 0;
    if (transport.GetCurrentLoopPosition(&looping, &loopStart, &loopEnd) == AAX_SUCCESS) {
        parameters.SetLooping(looping);
        if (!memo.loopKnown || memo.loopStartTicks != loopStart || memo.loopEndTicks != loopEnd) {
            memo.loopStart = static_cast<double>(loopStart) / kTicksPerQuarter;
            memo.loopEnd = static_cast<double>(loopEnd) / kTicksPerQuarter;
            memo.loopStartTicks = loopStart;
            memo.loopEndTicks = loopEnd;
            memo.loopKnown = true;
        }
        parameters.SetLoopRange(memo.loopStart, memo.loopEnd);
    }
    std::int64_t ticks = 0;
    if (transport.GetCurrentTickPosition(&ticks) == AAX_SUCCESS) parameters.SetTickPosition(ticks);
    // Stopped: where the selection starts, which is where playing will begin.
    std::int64_t samples = 0;
    if ((!playing && transportV2 && transportV2->GetTimelineSelectionStartPosition(&samples) == AAX_SUCCESS) ||
        transport.GetCurrentNativeSampleLocation(&samples) == AAX_SUCCESS)
        parameters.SetSamplePosition(static_cast<double>(samples));
    const double sampleRate = parameters.SampleRate();
    if (!memo.phaseKnown || memo.ticks != ticks || memo.tempo != tempo || memo.numerator != numerator ||
        memo.denominator != denominator || memo.sampleRate != sampleRate) {
        BarPhase phase{};
        memo.phaseValid = ComputeBarPhase(sampleRate, tempo, numerator, denominator, ticks, phase);
        memo.beatPhase = phase.beatValue;
        memo.barPhase = phase.barValue;
        memo.sampleRate = sampleRate;
        memo.tempo = tempo;
        memo.numerator = numerator;
        memo.denominator = denominator;
        memo.ticks = ticks;
        memo.phaseKnown = true;
    }
    if (memo.phaseValid) parameters.SetBarPhase(memo.beatPhase, memo.barPhase);
}

}  // namespace

bool IsKnownStemFormat(AAX_EStemFormat format) noexcept {
    switch (format) {
    case AAX_eStemFormat_Mono:
    case AAX_eStemFormat_Stereo:
    case AAX_eStemFormat_LCR:
    case AAX_eStemFormat_LCRS:
    case AAX_eStemFormat_Quad:
    case AAX_eStemFormat_5_0:
    case AAX_eStemFormat_5_1:
    case AAX_eStemFormat_7_0_DTS:
    case AAX_eStemFormat_7_0_SDDS:
    case AAX_eStemFormat_7_1_DTS:
    case AAX_eStemFormat_7_1_SDDS:
    case AAX_eStemFormat_7_1_2:
    case AAX_eStemFormat_7_0_2: return true;
    default: return false;
    }
}

void RenderInstance(Parameters& parameters, void* const* context) noexcept {
    if (!context) return;
    const CoreStaticInfo& info = parameters.StaticInfo();
    const bool readsMidi = info.IsInstrument() || info.HasMidiInput();
    auto* midiIn = static_cast<AAX_IMIDINode*>(Field(context, AAX_eContextField_MIDIIn));
    // The queue takes 2000 events without allocating; nothing here throws beyond that.
    try {
        if (readsMidi && midiIn) TakeMidi(parameters, midiIn);
    } catch (...) {
        // The host's audio thread goes on; this block's MIDI is lost.
    }

    const auto* lengthField = static_cast<const std::int32_t*>(Field(context, AAX_eContextField_BufferLength));
    const std::uint32_t samples = lengthField && *lengthField > 0 ? static_cast<std::uint32_t>(*lengthField) : 0;

    parameters.MarkAudioThread();

    // An instance's stem formats never change: asked until the host has answered both.
    Parameters::StemFormats& stems = parameters.RenderStemFormats();
    if (!stems.known) {
        AAX_IController* controller = parameters.AAX_CEffectParameters::Controller();
        stems.known = StemFormat(controller, true, stems.input) && StemFormat(controller, false, stems.output);
    }
    const AAX_EStemFormat inputFormat = stems.input;
    const AAX_EStemFormat outputFormat = stems.output;
    const std::uint32_t inputCount = static_cast<std::uint32_t>(inputFormat) & 0xFFFFu;

    const std::uint32_t mainCount = std::min(parameters.MainChannelCount(), kMostMainChannels);
    const std::uint32_t outputCount = mainCount + 2 * info.AuxOutputCount();

    const auto* inputs = static_cast<const float* const*>(Field(context, AAX_eContextField_AudioIn));
    auto* outputs = static_cast<float* const*>(Field(context, AAX_eContextField_AudioOut));

    // A connected side chain is one entry, even when the host's buffer behind it is null:
    // the core then sees the input with no channel.
    float* sideChain[1] = {nullptr};
    const auto* sideChainField = static_cast<const std::int32_t*>(Field(context, AAX_eContextField_SideChainIn));
    const bool passesSideChain = info.HasSideChain() && sideChainField;
    if (passesSideChain && inputs && *sideChainField >= 0) sideChain[0] = const_cast<float*>(inputs[*sideChainField]);

    // The core reads the transport during its blocks only, and gets none while the hook
    // bypasses it: the host's transport is asked again before the next block it gets.
    const bool hookBypass = parameters.HookBypassEngaged();
    if (!hookBypass)
        if (const AAX_VTransport* transport = parameters.AAX_CEffectParameters::HostTransport())
            if (AAX_IACFTransport* hostTransport = transport->HostV1())
                UpdateTransport(parameters, *hostTransport, transport->HostV2());

    try {
        if (readsMidi) MoveMidi(parameters);
    } catch (...) {
        // The host's audio thread goes on; the queued MIDI waits for the next block.
    }

    BlockChannels block;
    block.outputs = outputs;
    block.outputCount = outputCount;
    block.inputs = inputs;  // the pre-fill, done with the delay lines
    block.inputCount = inputCount;
    block.mainCount = mainCount;
    block.hostLayout = outputFormat;
    block.sideChain = passesSideChain ? sideChain : nullptr;
    block.sideChainEntries = passesSideChain ? 1 : 0;
    block.hookBypass = hookBypass;
    HandBlockToCore(parameters, block, samples);
}

void ProcessInstances(void* const begin[], const void* const end) noexcept {
    if (!begin || !end) return;
    const auto first = reinterpret_cast<std::uintptr_t>(begin);
    const auto last = reinterpret_cast<std::uintptr_t>(end);
    if (last <= first) return;
    const std::size_t count = (last - first + sizeof(void*) - 1) / sizeof(void*);
    for (std::size_t i = 0; i < count; ++i) {
        auto* const* context = static_cast<void* const*>(begin[i]);
        if (!context) continue;
        const auto* privateData = static_cast<const unsigned char*>(Field(context, AAX_eContextField_PrivateData));
        if (!privateData) continue;
        PluginHook* hook = nullptr;
        std::memcpy(&hook, privateData, sizeof hook);
        if (hook) RenderInstance(*static_cast<Parameters*>(hook), context);
    }
}
