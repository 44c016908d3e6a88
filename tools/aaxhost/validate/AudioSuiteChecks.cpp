// The validator's "audiosuite" checks: for every effect with an offline processor, an
// analysis pass (when the effect analyses) and a render pass over a noise selection at
// several window sizes; the render gives as many samples as the selection holds, on
// every channel, and no NaN or Inf.
#include <random>

#include "aax/AAX_StemFormat.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/ObjectFactory.h"
#include "aaxhost/OfflineDriver.h"
#include "aaxhost/SelectionDelegate.h"
#include "aaxhost/validate/CheckScope.h"
#include "aaxhost/validate/InstanceRig.h"
#include "aaxhost/validate/SignalChecks.h"
#include "aaxhost/validate/TestSignals.h"
#include "aaxhost/validate/ValidationGroups.h"

namespace aaxhost::validate {

namespace {

const char* const kGroup = "audiosuite";

bool HasOfflineProcessor(const EffectDescription& effect) {
    return effect.FindProcPtr(kAAX_ProcPtrID_Create_HostProcessor) != nullptr && !effect.components.empty();
}

// The selection's channels: the AudioSuite channel count the component declares.
std::int32_t ChannelCount(const ComponentDescription& component) {
    const auto count = component.FindProperty(AAX_eProperty_NumberOfInputs);
    return count && *count >= 1 && *count <= 24 ? static_cast<std::int32_t>(*count) : 1;
}

bool Analyses(const ComponentDescription& component) {
    const auto analysis = component.FindProperty(AAX_eProperty_OptionalAnalysis);
    return analysis && *analysis != 0;
}

std::vector<std::int32_t> WindowSizes(const Validation& validation) {
    std::vector<std::int32_t> windows = {1024, 333, 4096};
    if (validation.Strictness() >= 7) {
        windows.push_back(17);
        windows.push_back(8192);
    }
    return windows;
}

std::string DescribePass(const PassResult& pass) {
    std::string text = "begin " + std::to_string(pass.begin) + ", end " + std::to_string(pass.end);
    for (std::size_t i = 0; i < pass.blocks.size(); ++i)
        if (pass.blocks[i] != AAX_SUCCESS)
            return text + ", block " + std::to_string(i) + " " + std::to_string(pass.blocks[i]);
    return text;
}

struct OfflineRun {
    std::unique_ptr<EffectInstance> instance;
    ACFPtr<SelectionDelegate> selection;
};

OfflineRun MakeRun(const EffectDescription& effect, std::int32_t channels, std::int64_t length,
                   std::mt19937_64& random) {
    InstanceSetup setup;
    setup.inputStemFormat = setup.outputStemFormat = StemFormatForChannelCount(channels);
    OfflineRun run;
    run.instance = CreateEffectInstance(effect, setup);
    if (!run.instance) Fail("effect " + DescribeEffect(effect) + ": its factory made no effect parameters object");
    const AAX_Result initialized = run.instance->Initialize();
    if (initialized != AAX_SUCCESS)
        Fail("effect " + DescribeEffect(effect) + ": Initialize returned " + std::to_string(initialized));
    std::vector<std::vector<float>> audio;
    for (std::int32_t channel = 0; channel < channels; ++channel)
        audio.push_back(MakeTestSignal(TestSignal::Noise, static_cast<std::size_t>(length), random));
    run.selection = MakeHostObject<SelectionDelegate>(audio);
    return run;
}

std::string CheckPasses(Validation& validation, const std::vector<const EffectDescription*>& effects, bool analysis,
                        bool nonFiniteReported) {
    const std::int64_t length = 20000;
    const std::vector<std::int32_t> windows = WindowSizes(validation);
    int passes = 0;
    std::string seen;
    for (const EffectDescription* effect : effects) {
        const ComponentDescription& component = effect->components.front();
        if (analysis && !Analyses(component)) continue;
        const std::int32_t channels = ChannelCount(component);
        for (std::int32_t window : windows) {
            OfflineRun run = MakeRun(*effect, channels, length, validation.Random());
            const std::string where = "effect " + DescribeEffect(*effect) + ", " + std::to_string(channels) +
                                      " channels, window " + std::to_string(window) + ": ";
            OfflineDriver driver(CreateHostProcessor(*effect), run.instance->Controller(), *run.selection.Get());
            const AAX_Result initialized = driver.Initialize();
            if (initialized != AAX_SUCCESS)
                Fail(where + "the processor's Initialize returned " + std::to_string(initialized));
            std::int64_t start = 0, end = 0;
            const AAX_Result bounds = driver.InitOutputBounds(&start, &end);
            if (bounds != AAX_SUCCESS) Fail(where + "InitOutputBounds returned " + std::to_string(bounds));
            if (end - start != length)
                Fail(where + "the output bounds hold " + std::to_string(end - start) + " samples for a selection of " +
                     std::to_string(length));
            ++passes;
            if (analysis) {
                const PassResult pass = driver.Analyze(window);
                if (!pass.Succeeded()) Fail(where + "the analysis pass failed (" + DescribePass(pass) + ")");
                continue;
            }
            const PassResult pass = driver.Render(window, channels);
            if (!pass.Succeeded()) Fail(where + "the render pass failed (" + DescribePass(pass) + ")");
            const auto& rendered = driver.Rendered();
            if (static_cast<std::int32_t>(rendered.size()) != channels)
                Fail(where + "the render gave " + std::to_string(rendered.size()) + " channels");
            for (std::size_t channel = 0; channel < rendered.size(); ++channel) {
                if (static_cast<std::int64_t>(rendered[channel].size()) != length)
                    Fail(where + "output channel " + std::to_string(channel) + " holds " +
                         std::to_string(rendered[channel].size()) + " samples for " + std::to_string(length) +
                         " of input");
                const auto bad = FindBadSample(rendered[channel].data(), rendered[channel].size(), false);
                if (!bad) continue;
                if (!nonFiniteReported)
                    Fail(where + "output channel " + std::to_string(channel) + " sample " + std::to_string(bad->index) +
                         " is " + SampleFaultName(bad->fault) + " (" + DescribeSample(bad->value) + ")");
                seen = "; non-finite output seen as processing/finite-output reports";
            }
        }
    }
    if (passes == 0) return "no effect analyses";
    std::string windowList;
    for (std::int32_t window : windows) windowList += (windowList.empty() ? "" : ", ") + std::to_string(window);
    return std::to_string(passes) + (analysis ? " analysis" : " render") + " passes over " + std::to_string(length) +
           " samples of noise with windows of " + windowList + seen;
}

}  // namespace

void RunAudioSuiteChecks(Validation& validation) {
    const std::vector<const EffectDescription*> effects =
        EffectsOrSkip(validation, kGroup, {"analysis", "render"}, HasOfflineProcessor,
                      "no effect has an AudioSuite processor");
    if (effects.empty()) return;
    bool analyses = false;
    for (const EffectDescription* effect : effects) analyses = analyses || Analyses(effect->components.front());
    const bool nonFiniteReported = CheckFailed(validation, "processing", "finite-output");
    if (analyses)
        validation.Run(kGroup, "analysis", [&] { return CheckPasses(validation, effects, true, nonFiniteReported); });
    else
        validation.Skip(kGroup, "analysis", "no AudioSuite effect analyses");
    validation.Run(kGroup, "render", [&] { return CheckPasses(validation, effects, false, nonFiniteReported); });
}

}  // namespace aaxhost::validate
