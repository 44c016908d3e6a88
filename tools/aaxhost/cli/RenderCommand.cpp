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
#include "aaxhost/StemChannelCount.h"
#include "aaxhost/cli/Commands.h"
#include "aaxhost/cli/FileBytes.h"
#include "aaxhost/cli/MidiFile.h"
#include "aaxhost/cli/ModuleSession.h"
#include "aaxhost/cli/OutputFiles.h"
#include "aaxhost/cli/ParameterSetting.h"
#include "aaxhost/cli/StateFile.h"
#include "aaxhost/cli/WavFile.h"
#include "toolcli/CommandLine.h"
#include "toolcli/CommandRunner.h"

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
    "  --in FILE           16/24-bit PCM or 32-bit float WAV, 1 to 24 channels,\n"
    "                      1000 to 768000 Hz\n"
    "  --out FILE          the rendered WAV; it and the --save-state file are written\n"
    "                      together or, when the render fails, not at all\n"
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

const ComponentDescription& ComponentFor(const EffectDescription& effect, std::size_t channels) {
    std::string offered;
    for (const ComponentDescription& component : effect.components) {
        if (StemChannelCount(component.InputStemFormat()) == static_cast<std::int32_t>(channels) &&
            !component.processProcedures.empty())
            return component;
        offered += std::string(offered.empty() ? "" : ", ") + StemFormatName(component.InputStemFormat());
    }
    throw toolcli::UsageError(
        "the effect \"" + effect.identifier + "\" has no realtime component for " + std::to_string(channels) +
        " input channel(s) (its inputs: " + (offered.empty() ? std::string("none") : offered) + ")");
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

// What the command line asks for, checked before any file or module is touched.
struct RenderRequest {
    std::string modulePath;
    std::string effectID;
    std::string inPath;
    std::string outPath;
    std::int32_t block = 512;
    std::optional<double> rate;         // the input file's when absent
    std::vector<std::string> settings;  // ID=VALUE
    std::optional<std::string> loadStatePath;
    std::optional<std::string> saveStatePath;
    std::optional<std::string> midiPath;
    bool bypass = false;
    bool compensate = false;
    bool floatOutput = false;
};

RenderRequest ReadRequest(const toolcli::ParsedOptions& options) {
    if (options.Positional().size() != 1) throw toolcli::UsageError("render takes one module path");
    RenderRequest request;
    request.modulePath = options.Positional().front();
    request.effectID = options.Required("--effect");
    request.inPath = options.Required("--in");
    request.outPath = options.Required("--out");
    request.block =
        static_cast<std::int32_t>(toolcli::ParseInteger(options.Value("--block").value_or("512"), 1, 65536, "--block"));
    if (const auto rate = options.Value("--rate"))
        request.rate = toolcli::ParseNumber(*rate, kMinWavSampleRate, kMaxWavSampleRate, "--rate");
    request.settings = options.Values("--set");
    for (const std::string& assignment : request.settings)
        if (assignment.find('=') == std::string::npos)
            throw toolcli::UsageError("--set takes ID=VALUE, not \"" + assignment + "\"");
    request.loadStatePath = options.Value("--load-state");
    request.saveStatePath = options.Value("--save-state");
    request.midiPath = options.Value("--midi");
    request.bypass = options.Has("--bypass");
    request.compensate = options.Has("--compensate");
    request.floatOutput = options.Has("--float");
    return request;
}

// The files a render reads, all read (the WAV file's header) before the module is loaded;
// the audio is read block by block as the render goes.
struct RenderInputs {
    std::unique_ptr<WavReader> audio;
    double rate = 0.0;                // the host's sample rate
    std::vector<std::uint8_t> state;  // empty: no --load-state
    MidiSequence midi;
};

RenderInputs ReadInputs(const RenderRequest& request) {
    RenderInputs inputs;
    inputs.audio = std::make_unique<WavReader>(request.inPath);
    inputs.rate = request.rate.value_or(static_cast<double>(inputs.audio->Layout().sampleRate));
    if (request.loadStatePath) {
        const std::vector<std::uint8_t> file = ReadFileBytes(*request.loadStatePath);
        try {
            inputs.state = DecodeStateFile(file);
        } catch (const std::exception& error) {
            throw std::runtime_error(*request.loadStatePath + ": " + error.what());
        }
    }
    if (request.midiPath) inputs.midi = ReadMidiFile(*request.midiPath);
    return inputs;
}

// Restores the loaded state, then sets each --set parameter and the bypass, in that
// order, reporting each on stdout.
void PrepareParameters(EffectInstance& instance, const RenderRequest& request, const std::vector<std::uint8_t>& state) {
    AAX_IACFEffectParameters& parameters = *instance.Parameters();
    if (!state.empty()) {
        try {
            LoadState(parameters, state);
        } catch (const std::exception& error) {
            throw std::runtime_error(*request.loadStatePath + ": " + error.what());
        }
    }
    for (const std::string& assignment : request.settings) {
        const ParameterSetting setting = ResolveParameterSetting(parameters, assignment);
        Check(instance.SetParameter(setting.identifier.c_str(), setting.normalized), "setting " + setting.identifier);
        AAX_CString shown;
        parameters.GetParameterValueString(setting.identifier.c_str(), &shown, kDisplayTextLength);
        std::printf("set %s = %s (normalised %.6g)\n", setting.identifier.c_str(), shown.Get(),
                    instance.NormalizedValue(setting.identifier.c_str()));
    }
    if (request.bypass) {
        AAX_CString bypass;
        Check(parameters.GetMasterBypassParameter(&bypass), "GetMasterBypassParameter");
        if (bypass.Empty()) throw std::runtime_error("the effect declares no master bypass parameter");
        Check(instance.SetParameter(bypass.Get(), 1.0), "engaging the bypass " + bypass.StdString());
        std::printf("bypass %s engaged\n", bypass.Get());
    }
}

// An output of the input's length with `channels` channels, in the input's format
// unless --float; the input's channel mask only when the channel counts agree.
WavLayout OutputLayout(const WavLayout& input, int channels, double rate, bool floatOutput) {
    WavLayout output;
    output.sampleRate = static_cast<std::uint32_t>(std::lround(rate));
    output.format = floatOutput ? SampleFormat::Float32 : input.format;
    output.extensible = input.extensible;
    output.channelMask = channels == static_cast<int>(input.channels) ? input.channelMask : 0;
    output.channels = static_cast<std::size_t>(channels);
    output.frames = input.frames;
    return output;
}

// Plays the input through the process procedure block by block. `skip` output samples
// are dropped at the start and as many rendered past the input's end (latency
// compensation); past its end the input is silence. Refers to everything it is given,
// which outlives it; made and run on the command's thread. [ui-thread]
class BlockRenderer {
public:
    BlockRenderer(EffectInstance& instance, InstanceContext& context, WavReader& input, double rate,
                  const MidiSequence& midi, std::int64_t skip)
        : instance_(instance),
          context_(context),
          input_(input),
          midi_(midi),
          midiNode_(context.MIDINode(AAX_eContextField_MIDIIn)),
          rate_(rate),
          frames_(static_cast<std::int64_t>(input.Layout().frames)),
          skip_(skip),
          // The file's channels past the component's inputs (none: the component takes the
          // file's channel count) would be skipped.
          inputs_(std::max(static_cast<std::size_t>(context.InputChannelCount()), input.Layout().channels)) {
        if (!midi.events.empty() && midiNode_ == nullptr)
            std::fputs("aaxhost: the component has no MIDI input node; the MIDI file is not played\n", stderr);
        for (const MidiEvent& event : midi.events) midiSamples_.push_back(SampleOf(event, rate));
    }

    void Run(AAX_CProcessProc proc, std::int32_t block, WavWriter& output) {
        const std::int64_t total = frames_ + skip_;
        const bool reportProgress = static_cast<double>(frames_) > 10.0 * rate_;
        int reportedTenths = 0;
        for (std::int64_t position = 0; position < total; position += block) {
            const auto length = static_cast<std::int32_t>(std::min<std::int64_t>(block, total - position));
            FeedInput(position, length);
            context_.SetBlockLength(length);
            MoveTransport(position);
            if (midiNode_ != nullptr)
                midiNode_->SetPackets(PacketsFor(midi_.events, midiSamples_, nextMidi_, position, length));
            RunProcessProcedure(proc, {&context_});
            CollectOutput(position, length, output);
            if (reportProgress) ReportProgress((position + length) * 10 / total, reportedTenths);
        }
    }

private:
    void FeedInput(std::int64_t position, std::int32_t length) {
        const std::int64_t available = std::clamp<std::int64_t>(frames_ - position, 0, length);
        for (int channel = 0; channel < context_.InputChannelCount(); ++channel) {
            float* buffer = context_.Input(channel);
            inputs_[static_cast<std::size_t>(channel)] = buffer;
            std::fill(buffer + available, buffer + length, 0.0f);
        }
        if (available > 0)
            input_.Read(static_cast<std::uint64_t>(position), static_cast<std::size_t>(available), inputs_.data());
    }

    // The transport plays from sample 0 at 120 beats per minute.
    void MoveTransport(std::int64_t position) {
        SimulatedTransport* transport = instance_.Transport();
        if (transport == nullptr) return;
        const double samplesPerQuarter = rate_ * 60.0 / 120.0;
        transport->Update([&](TransportState& state) {
            state.playing = true;
            state.sampleLocation = position;
            state.tickPosition = static_cast<std::int64_t>(std::llround(position / samplesPerQuarter * 960000.0));
        });
    }

    // The block's samples that fall within the output, [0, frames) after the skip.
    void CollectOutput(std::int64_t position, std::int32_t length, WavWriter& output) {
        const std::int64_t first = std::clamp<std::int64_t>(skip_ - position, 0, length);
        const std::int64_t last = std::clamp<std::int64_t>(frames_ + skip_ - position, first, length);
        if (last <= first) return;
        outputs_.clear();
        for (int channel = 0; channel < context_.MainOutputChannelCount(); ++channel)
            outputs_.push_back(context_.Output(channel) + first);
        output.Write(outputs_.data(), static_cast<std::size_t>(last - first));
    }

    static void ReportProgress(std::int64_t tenths, int& reportedTenths) {
        for (; reportedTenths < tenths; ++reportedTenths)
            std::fprintf(stderr, "aaxhost: rendering %d%%\n", (reportedTenths + 1) * 10);
    }

    EffectInstance& instance_;
    InstanceContext& context_;
    WavReader& input_;
    const MidiSequence& midi_;
    SimulatedMIDINode* midiNode_;
    std::vector<std::int64_t> midiSamples_;  // the sample of each MIDI event
    std::size_t nextMidi_ = 0;
    double rate_;
    std::int64_t frames_;
    std::int64_t skip_;
    std::vector<float*> inputs_;         // the file's channels' buffers for a read
    std::vector<const float*> outputs_;  // the output channels' buffers for a write
};

int Render(const toolcli::ParsedOptions& options) {
    const RenderRequest request = ReadRequest(options);
    const RenderInputs inputs = ReadInputs(request);

    ModuleSession session(request.modulePath);
    session.ReportFatalErrors();
    session.RequireRegistration();
    const EffectDescription& effect = session.Effect(request.effectID);
    const ComponentDescription& component = ComponentFor(effect, inputs.audio->Layout().channels);
    InstanceSetup setup = SetupFor(component);
    setup.sampleRate = static_cast<AAX_CSampleRate>(inputs.rate);
    std::unique_ptr<EffectInstance> instance = CreateEffectInstance(effect, setup);
    if (!instance) throw std::runtime_error("the effect \"" + request.effectID + "\" made no effect parameters object");
    Check(instance->Initialize(), "Initialize");
    PrepareParameters(*instance, request, inputs.state);

    ContextOptions contextOptions;
    contextOptions.maxBlockSize = request.block;
    contextOptions.controller = instance->Controller().AsInterface();
    InstanceContext context(component, instance->Parameters(), contextOptions);
    std::int32_t latency = 0;
    instance->Controller().GetSignalLatency(&latency);
    const int outputs = context.MainOutputChannelCount();
    const WavLayout& input = inputs.audio->Layout();
    const WavLayout layout = OutputLayout(input, outputs, inputs.rate, request.floatOutput);
    BlockRenderer renderer(*instance, context, *inputs.audio, inputs.rate, inputs.midi,
                           request.compensate ? latency : 0);

    // The rendered file and the state are written together or not at all; the file is
    // written as the render goes.
    OutputFiles files;
    WavWriter output(files, request.outPath, layout);
    session.ReportFatalErrors();
    renderer.Run(component.processProcedures.front().proc, request.block, output);
    session.ReportFatalErrors();
    output.Finish();
    if (request.saveStatePath) files.Add(*request.saveStatePath, EncodeStateFile(SaveState(*instance->Parameters())));
    files.Commit();
    std::printf("rendered %zu samples, %zu channel(s) in, %d out, at %g Hz through \"%s\" in blocks of %d\n",
                static_cast<std::size_t>(input.frames), input.channels, outputs, inputs.rate, request.effectID.c_str(),
                request.block);
    std::printf("latency %d samples, %s\n", latency, request.compensate ? "compensated" : "not compensated");
    std::printf("wrote %s (%s)\n", request.outPath.c_str(), SampleFormatName(layout.format));
    return toolcli::kExitSucceeded;
}

}  // namespace

int RunRender(const Arguments& arguments) {
    return toolcli::RunCommand("aaxhost", "aaxhost render", [&] {
        const toolcli::ParsedOptions options(arguments, {{"--effect", toolcli::OptionRule::Kind::Value},
                                                         {"--in", toolcli::OptionRule::Kind::Value},
                                                         {"--out", toolcli::OptionRule::Kind::Value},
                                                         {"--block", toolcli::OptionRule::Kind::Value},
                                                         {"--rate", toolcli::OptionRule::Kind::Value},
                                                         {"--set", toolcli::OptionRule::Kind::Repeated},
                                                         {"--bypass", toolcli::OptionRule::Kind::Flag},
                                                         {"--save-state", toolcli::OptionRule::Kind::Value},
                                                         {"--load-state", toolcli::OptionRule::Kind::Value},
                                                         {"--midi", toolcli::OptionRule::Kind::Value},
                                                         {"--compensate", toolcli::OptionRule::Kind::Flag},
                                                         {"--float", toolcli::OptionRule::Kind::Flag}});
        if (options.Has("--help")) {
            std::fputs(kUsage, stdout);
            return toolcli::kExitSucceeded;
        }
        return Render(options);
    });
}

}  // namespace aaxhost::cli
