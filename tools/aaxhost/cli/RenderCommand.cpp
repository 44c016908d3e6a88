// aaxhost render: realtime rendering of a WAV file through an effect's process
// procedure, block by block, as a host plays a track.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "aax/AAX_CString.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_StemFormat.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/InstanceContext.h"
#include "aaxhost/cli/CommandLine.h"
#include "aaxhost/cli/CommandRunner.h"
#include "aaxhost/cli/Commands.h"
#include "aaxhost/cli/FileBytes.h"
#include "aaxhost/cli/MidiFile.h"
#include "aaxhost/cli/ModuleSession.h"
#include "aaxhost/cli/ParameterSetting.h"
#include "aaxhost/cli/StateFile.h"
#include "aaxhost/cli/WavFile.h"

namespace aaxhost::cli {
namespace {

constexpr const char* kUsage =
    "usage: aaxhost render <module> --effect <ID> --in <wav> --out <wav> [options]\n"
    "\n"
    "Renders the input file through the effect's realtime process procedure, block by\n"
    "block, with the transport playing from sample 0. The effect's component whose input\n"
    "takes the file's channel count is used. The output has the input's length and\n"
    "sample format: the effect's latency is not compensated unless --compensate is given.\n"
    "\n"
    "  --effect ID         the effect's identifier, as \"aaxhost scan\" lists it\n"
    "  --in FILE           16/24-bit PCM or 32-bit float WAV, 1 to 8 channels\n"
    "  --out FILE          the rendered WAV\n"
    "  --block N           samples per block, 1 to 65536 (default 512)\n"
    "  --rate HZ           the host's sample rate, also written to the output file\n"
    "                      (default: the input file's)\n"
    "  --set ID=VALUE      sets a parameter before rendering; repeatable. VALUE is the\n"
    "                      value as the effect displays it (\"-6\", \"Lowpass\", \"on\"),\n"
    "                      or a normalised value written @0.25\n"
    "  --bypass            engages the effect's master bypass parameter\n"
    "  --load-state FILE   restores a state saved with --save-state, before --set\n"
    "  --save-state FILE   saves the state after rendering: the 8 bytes \"LMCHUNK1\",\n"
    "                      then the chunk as the effect's GetChunk fills it (56-byte\n"
    "                      header, then its data)\n"
    "  --midi FILE         a Standard MIDI File (type 0 or 1): its channel events go to\n"
    "                      the component's MIDI input node at their times\n"
    "  --compensate        drops the first <latency> output samples and renders that\n"
    "                      many more at the end, so the output lines up with the input\n"
    "  --float             writes 32-bit float whatever the input's format\n"
    "\n"
    "Inputs longer than 10 seconds report progress on stderr. Exits 0 when done, 1 when\n"
    "the work fails (unreadable files, a failing module), 2 for bad arguments (unknown\n"
    "effect or parameter, a value the parameter does not have, no component for the\n"
    "file's channel count).\n";

int ChannelCountOf(AAX_EStemFormat stem) {
    return stem == AAX_eStemFormat_Any ? 0 : static_cast<int>(static_cast<std::uint32_t>(stem) & 0xFFFF);
}

const ComponentDescription& ComponentFor(const EffectDescription& effect, std::size_t channels) {
    std::string offered;
    for (const ComponentDescription& component : effect.components) {
        if (ChannelCountOf(component.InputStemFormat()) == static_cast<int>(channels) &&
            !component.processProcedures.empty())
            return component;
        offered += std::string(offered.empty() ? "" : ", ") + StemFormatName(component.InputStemFormat());
    }
    throw UsageError("the effect \"" + effect.identifier + "\" has no realtime component for " +
                     std::to_string(channels) + " input channel(s) (its inputs: " +
                     (offered.empty() ? std::string("none") : offered) + ")");
}

void Check(AAX_Result result, const std::string& what) {
    if (result != AAX_SUCCESS) throw std::runtime_error(what + " failed with " + ResultText(result));
}

// The packets of the events that fall into [start, start + length).
std::vector<AAX_CMidiPacket> PacketsFor(const std::vector<MidiEvent>& events, const std::vector<std::int64_t>& samples,
                                        std::size_t& next, std::int64_t start, std::int32_t length) {
    std::vector<AAX_CMidiPacket> packets;
    while (next < events.size() && samples[next] < start + length) {
        AAX_CMidiPacket packet{};
        packet.mTimestamp = static_cast<std::uint32_t>(std::max<std::int64_t>(0, samples[next] - start));
        packet.mLength = events[next].size;
        std::copy(events[next].bytes, events[next].bytes + events[next].size, packet.mData);
        packets.push_back(packet);
        ++next;
    }
    return packets;
}

int Render(const ParsedOptions& options) {
    if (options.Positional().size() != 1) throw UsageError("render takes one module path");
    const std::string modulePath = options.Positional().front();
    const std::string effectID = options.Required("--effect");
    const std::string inPath = options.Required("--in");
    const std::string outPath = options.Required("--out");
    const auto block = static_cast<std::int32_t>(
        ParseInteger(options.Value("--block").value_or("512"), 1, 65536, "--block"));
    std::optional<double> rateOption;
    if (const auto rate = options.Value("--rate")) rateOption = ParseNumber(*rate, 1000.0, 768000.0, "--rate");
    for (const std::string& assignment : options.Values("--set"))
        if (assignment.find('=') == std::string::npos) throw UsageError("--set takes ID=VALUE, not \"" + assignment + "\"");

    const WavAudio input = ReadWavFile(inPath);
    const double rate = rateOption.value_or(static_cast<double>(input.sampleRate));
    std::vector<std::uint8_t> loadedState;
    if (const auto path = options.Value("--load-state")) {
        const std::vector<std::uint8_t> file = ReadFileBytes(*path);
        try {
            loadedState = DecodeStateFile(file);
        } catch (const std::exception& error) {
            throw std::runtime_error(*path + ": " + error.what());
        }
    }
    MidiSequence midi;
    if (const auto path = options.Value("--midi")) midi = ReadMidiFile(*path);

    ModuleSession session(modulePath);
    session.ReportFatalErrors();
    session.RequireRegistration();
    const EffectDescription& effect = session.Effect(effectID);
    const ComponentDescription& component = ComponentFor(effect, input.ChannelCount());

    InstanceSetup setup = SetupFor(component);
    setup.sampleRate = static_cast<AAX_CSampleRate>(rate);
    std::unique_ptr<EffectInstance> instance = CreateEffectInstance(effect, setup);
    if (!instance) throw std::runtime_error("the effect \"" + effectID + "\" made no effect parameters object");
    Check(instance->Initialize(), "Initialize");
    AAX_IACFEffectParameters& parameters = *instance->Parameters();

    if (!loadedState.empty()) LoadState(parameters, loadedState);
    for (const std::string& assignment : options.Values("--set")) {
        const ParameterSetting setting = ResolveParameterSetting(parameters, assignment);
        Check(instance->SetParameter(setting.identifier.c_str(), setting.normalized), "setting " + setting.identifier);
        AAX_CString shown;
        parameters.GetParameterValueString(setting.identifier.c_str(), &shown, kDisplayTextLength);
        std::printf("set %s = %s (normalised %.6g)\n", setting.identifier.c_str(), shown.Get(),
                    instance->NormalizedValue(setting.identifier.c_str()));
    }
    if (options.Has("--bypass")) {
        AAX_CString bypass;
        Check(parameters.GetMasterBypassParameter(&bypass), "GetMasterBypassParameter");
        if (bypass.Empty()) throw std::runtime_error("the effect declares no master bypass parameter");
        Check(instance->SetParameter(bypass.Get(), 1.0), "engaging the bypass " + bypass.StdString());
        std::printf("bypass %s engaged\n", bypass.Get());
    }

    ContextOptions contextOptions;
    contextOptions.maxBlockSize = block;
    contextOptions.controller = instance->Controller().AsInterface();
    InstanceContext context(component, &parameters, contextOptions);
    SimulatedMIDINode* midiNode = context.MIDINode(AAX_eContextField_MIDIIn);
    if (!midi.events.empty() && midiNode == nullptr)
        std::fputs("aaxhost: the component has no MIDI input node; the MIDI file is not played\n", stderr);
    std::vector<std::int64_t> midiSamples;
    for (const MidiEvent& event : midi.events) midiSamples.push_back(SampleOf(event, rate));
    std::size_t nextMidi = 0;

    std::int32_t latency = 0;
    instance->Controller().GetSignalLatency(&latency);
    const bool compensate = options.Has("--compensate");
    const auto frames = static_cast<std::int64_t>(input.FrameCount());
    const std::int64_t skip = compensate ? latency : 0;
    const std::int64_t total = frames + skip;
    const int outputs = context.MainOutputChannelCount();
    WavAudio output;
    output.sampleRate = static_cast<std::uint32_t>(std::lround(rate));
    output.format = options.Has("--float") ? SampleFormat::Float32 : input.format;
    output.extensible = input.extensible;
    output.channelMask = outputs == static_cast<int>(input.ChannelCount()) ? input.channelMask : 0;
    output.channels.assign(static_cast<std::size_t>(outputs), std::vector<float>(static_cast<std::size_t>(frames)));

    const AAX_CProcessProc proc = component.processProcedures.front().proc;
    const double samplesPerQuarter = rate * 60.0 / 120.0;
    const bool reportProgress = static_cast<double>(frames) > 10.0 * rate;
    int reportedTenths = 0;
    session.ReportFatalErrors();
    for (std::int64_t position = 0; position < total; position += block) {
        const auto length = static_cast<std::int32_t>(std::min<std::int64_t>(block, total - position));
        for (int channel = 0; channel < context.InputChannelCount(); ++channel) {
            float* buffer = context.Input(channel);
            for (std::int32_t i = 0; i < length; ++i) {
                const std::int64_t at = position + i;
                buffer[i] = at < frames ? input.channels[static_cast<std::size_t>(channel)][static_cast<std::size_t>(at)] : 0.0f;
            }
        }
        context.SetBlockLength(length);
        if (SimulatedTransport* transport = instance->Transport())
            transport->Update([&](TransportState& state) {
                state.playing = true;
                state.sampleLocation = position;
                state.tickPosition = static_cast<std::int64_t>(std::llround(position / samplesPerQuarter * 960000.0));
            });
        if (midiNode != nullptr) midiNode->SetPackets(PacketsFor(midi.events, midiSamples, nextMidi, position, length));
        RunProcessProcedure(proc, {&context});
        for (int channel = 0; channel < outputs; ++channel) {
            const float* buffer = context.Output(channel);
            for (std::int32_t i = 0; i < length; ++i) {
                const std::int64_t at = position + i - skip;
                if (at >= 0 && at < frames)
                    output.channels[static_cast<std::size_t>(channel)][static_cast<std::size_t>(at)] = buffer[i];
            }
        }
        if (reportProgress) {
            const auto tenths = static_cast<int>((position + length) * 10 / total);
            for (; reportedTenths < tenths; ++reportedTenths)
                std::fprintf(stderr, "aaxhost: rendering %d%%\n", (reportedTenths + 1) * 10);
        }
    }
    session.ReportFatalErrors();
    WriteWavFile(outPath, output);
    if (const auto path = options.Value("--save-state")) WriteFileBytes(*path, EncodeStateFile(SaveState(parameters)));
    std::printf("rendered %lld samples, %zu channel(s) in, %d out, at %g Hz through \"%s\" in blocks of %d\n",
                static_cast<long long>(frames), input.ChannelCount(), outputs, rate, effectID.c_str(), block);
    std::printf("latency %d samples, %s\n", latency, compensate ? "compensated" : "not compensated");
    std::printf("wrote %s (%s)\n", outPath.c_str(), SampleFormatName(output.format));
    return kExitSucceeded;
}

}  // namespace

int RunRender(const Arguments& arguments) {
    return RunCommand("render", [&] {
        const ParsedOptions options(arguments, {{"--effect", OptionRule::Kind::Value},
                                                {"--in", OptionRule::Kind::Value},
                                                {"--out", OptionRule::Kind::Value},
                                                {"--block", OptionRule::Kind::Value},
                                                {"--rate", OptionRule::Kind::Value},
                                                {"--set", OptionRule::Kind::Repeated},
                                                {"--bypass", OptionRule::Kind::Flag},
                                                {"--save-state", OptionRule::Kind::Value},
                                                {"--load-state", OptionRule::Kind::Value},
                                                {"--midi", OptionRule::Kind::Value},
                                                {"--compensate", OptionRule::Kind::Flag},
                                                {"--float", OptionRule::Kind::Flag}});
        if (options.Has("--help")) {
            std::fputs(kUsage, stdout);
            return kExitSucceeded;
        }
        return Render(options);
    });
}

}  // namespace aaxhost::cli
