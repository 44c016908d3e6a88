// aaxhost audiosuite: an offline (AudioSuite) run over a whole WAV file as the
// selection: an optional analysis pass, then the render pass.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "aax/AAX_Enums.h"
#include "aax/AAX_StemFormat.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/ObjectFactory.h"
#include "aaxhost/OfflineDriver.h"
#include "aaxhost/SelectionDelegate.h"
#include "aaxhost/cli/Commands.h"
#include "aaxhost/cli/ModuleSession.h"
#include "aaxhost/cli/OutputFiles.h"
#include "aaxhost/cli/WavFile.h"
#include "toolcli/CommandLine.h"
#include "toolcli/CommandRunner.h"

namespace aaxhost::cli {
namespace {

// The longest clip-name suffix this host asks for, as a host's clip list shows it.
constexpr std::int32_t kClipNameSuffixLength = 31;

constexpr const char* kUsage =
    "usage: aaxhost audiosuite <module> --in <wav> --out <wav> [options]\n"
    "\n"
    "Runs the effect's offline processor over the whole input file as the selection:\n"
    "an analysis pass first when asked for or when the effect's component declares that\n"
    "it analyses (property 103), then the render pass. The output has the input's\n"
    "length, channel count and sample format.\n"
    "\n"
    "  --effect ID     the effect (default: the first one with an offline processor)\n"
    "  --in FILE       16/24-bit PCM or 32-bit float WAV, 1 to 24 channels\n"
    "  --out FILE      the rendered WAV\n"
    "  --analyze       runs the analysis pass\n"
    "  --window N      samples per window, 1 to 1048576 (default 4096)\n"
    "  --read-limit N  the host delivers at most N samples per read, as hosts do near a\n"
    "                  selection's end (default: whole reads)\n"
    "  --float         writes 32-bit float whatever the input's format\n"
    "\n"
    "Exits 0 when done, 1 when the work fails (a pass the processor fails, unreadable\n"
    "files), 2 for bad arguments.\n";

const EffectDescription& OfflineEffect(const ModuleSession& session, const std::optional<std::string>& identifier) {
    if (identifier) {
        const EffectDescription& effect = session.Effect(*identifier);
        if (effect.FindProcPtr(kAAX_ProcPtrID_Create_HostProcessor) == nullptr)
            throw toolcli::UsageError("the effect \"" + *identifier + "\" has no offline processor");
        return effect;
    }
    for (const EffectDescription& effect : session.Registered().package.effects)
        if (effect.FindProcPtr(kAAX_ProcPtrID_Create_HostProcessor) != nullptr) return effect;
    throw std::runtime_error("the module registers no effect with an offline processor");
}

// The input file as the selection, read as the passes go: an analysis pass and the
// render pass each read it again rather than keep it.
class FileSelection final : public SelectionSource {
public:
    explicit FileSelection(WavReader& file) : file_(file) {}
    std::int32_t ChannelCount() const override { return static_cast<std::int32_t>(file_.Layout().channels); }
    std::int64_t Length() const override { return static_cast<std::int64_t>(file_.Layout().frames); }
    void Read(std::int64_t position, std::int32_t count, float* const* channels) override {
        file_.Read(static_cast<std::uint64_t>(position), static_cast<std::size_t>(count), channels);
    }

private:
    WavReader& file_;
};

// The render pass's windows, written to the output file as they come.
class FileSink final : public RenderSink {
public:
    explicit FileSink(WavWriter& file) : file_(file) {}
    void Take(std::int64_t, std::int32_t length, const float* const* channels) override {
        file_.Write(channels, static_cast<std::size_t>(length));
    }

private:
    WavWriter& file_;
};

void RequirePass(const PassResult& pass, const char* name) {
    if (pass.Succeeded()) return;
    std::string problem;
    if (pass.begin != AAX_SUCCESS) problem = "its start failed with " + ResultText(pass.begin);
    for (std::size_t i = 0; problem.empty() && i < pass.blocks.size(); ++i)
        if (pass.blocks[i] != AAX_SUCCESS)
            problem = "window " + std::to_string(i) + " failed with " + ResultText(pass.blocks[i]);
    if (problem.empty()) problem = "its end failed with " + ResultText(pass.end);
    throw std::runtime_error(std::string("the ") + name + " pass failed: " + problem);
}

int RunOffline(const toolcli::ParsedOptions& options) {
    if (options.Positional().size() != 1) throw toolcli::UsageError("audiosuite takes one module path");
    const std::string inPath = options.Required("--in");
    const std::string outPath = options.Required("--out");
    const auto window = static_cast<std::int32_t>(
        toolcli::ParseInteger(options.Value("--window").value_or("4096"), 1, 1 << 20, "--window"));
    const auto readLimit = static_cast<std::int32_t>(
        toolcli::ParseInteger(options.Value("--read-limit").value_or("0"), 0, 1 << 20, "--read-limit"));
    WavReader inputFile(inPath);
    const WavLayout& input = inputFile.Layout();

    ModuleSession session(options.Positional().front());
    session.ReportFatalErrors();
    session.RequireRegistration();
    const EffectDescription& effect = OfflineEffect(session, options.Value("--effect"));

    InstanceSetup setup = effect.components.empty() ? InstanceSetup{} : SetupFor(effect.components.front());
    setup.sampleRate = static_cast<AAX_CSampleRate>(input.sampleRate);
    setup.inputStemFormat = setup.outputStemFormat =
        StemFormatForChannelCount(static_cast<std::int32_t>(input.channels));
    std::unique_ptr<EffectInstance> instance = CreateEffectInstance(effect, setup);
    if (!instance)
        throw std::runtime_error("the effect \"" + effect.identifier + "\" made no effect parameters object");
    const AAX_Result initialized = instance->Initialize();
    if (initialized != AAX_SUCCESS) throw std::runtime_error("Initialize failed with " + ResultText(initialized));

    ACFPtr<AAX_IACFHostProcessor> processor = CreateHostProcessor(effect);
    if (!processor) throw std::runtime_error("the effect \"" + effect.identifier + "\" made no offline processor");
    FileSelection source(inputFile);
    ACFPtr<SelectionDelegate> selection = MakeHostObject<SelectionDelegate>(source);
    selection->SetReadLimit(readLimit);
    OfflineDriver driver(std::move(processor), instance->Controller(), *selection.Get());
    AAX_Result result = driver.Initialize();
    if (result != AAX_SUCCESS) throw std::runtime_error("the processor's Initialize failed with " + ResultText(result));
    result = driver.InitOutputBounds();
    if (result != AAX_SUCCESS) throw std::runtime_error("InitOutputBounds failed with " + ResultText(result));

    const bool declaresAnalysis =
        !effect.components.empty() &&
        effect.components.front().FindProperty(AAX_eProperty_OptionalAnalysis).value_or(0) != 0;
    const bool analyze = options.Has("--analyze") || declaresAnalysis;
    if (analyze) {
        const PassResult pass = driver.Analyze(window);
        RequirePass(pass, "analysis");
        std::printf("analysis pass: %zu window(s)%s\n", pass.blocks.size(),
                    options.Has("--analyze") ? "" : " (the effect declares that it analyses)");
    }
    // The output has the selection's channels; it is written as the render goes, and
    // only when the pass succeeds does it replace the target.
    WavLayout layout = input;
    layout.format = options.Has("--float") ? SampleFormat::Float32 : input.format;
    OutputFiles files;
    WavWriter output(files, outPath, layout);
    FileSink sink(output);
    const PassResult pass = driver.Render(window, 0, sink);
    RequirePass(pass, "render");
    session.ReportFatalErrors();
    std::printf("render pass: %zu window(s) of %d samples through \"%s\"\n", pass.blocks.size(), window,
                effect.identifier.c_str());
    if (selection->ForceAnalyzeCount() > 0)
        std::printf("the effect asked for a new analysis %d time(s)\n", selection->ForceAnalyzeCount());
    if (selection->ForceProcessCount() > 0)
        std::printf("the effect asked for a new render %d time(s)\n", selection->ForceProcessCount());
    std::string suffix;
    if (driver.ClipNameSuffix(kClipNameSuffixLength, &suffix) == AAX_SUCCESS && !suffix.empty())
        std::printf("clip name suffix \"%s\"\n", suffix.c_str());

    output.Finish();
    files.Commit();
    std::printf("rendered %zu samples, %zu channel(s)\nwrote %s (%s)\n", static_cast<std::size_t>(layout.frames),
                layout.channels, outPath.c_str(), SampleFormatName(layout.format));
    return toolcli::kExitSucceeded;
}

}  // namespace

int RunAudioSuite(const Arguments& arguments) {
    return toolcli::RunCommand("aaxhost", "aaxhost audiosuite", [&] {
        const toolcli::ParsedOptions options(arguments, {{"--effect", toolcli::OptionRule::Kind::Value},
                                                         {"--in", toolcli::OptionRule::Kind::Value},
                                                         {"--out", toolcli::OptionRule::Kind::Value},
                                                         {"--analyze", toolcli::OptionRule::Kind::Flag},
                                                         {"--window", toolcli::OptionRule::Kind::Value},
                                                         {"--read-limit", toolcli::OptionRule::Kind::Value},
                                                         {"--float", toolcli::OptionRule::Kind::Flag}});
        if (options.Has("--help")) {
            std::fputs(kUsage, stdout);
            return toolcli::kExitSucceeded;
        }
        return RunOffline(options);
    });
}

}  // namespace aaxhost::cli
