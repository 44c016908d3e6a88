// render_bench: for Mono, Stereo, 5.1 and 7.1.2 instances at 32, 64, 256 and 1024
// samples, the time per block of the process procedure (test core, which returns at
// once), the time of a plain copy of the same channels, and their ratio; then the same
// with the hook-made bypass engaged at a latency of 64. Prints a table.
//
// The instances are real: a primed copy of the built hook loads the test core from a
// temporary folder, and the host simulator holds each instance and its context.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "CoreLinkScenario.h"
#include "aax/AAX_VComponentDescriptor.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/HostObject.h"
#include "aaxhost/InstanceContext.h"
#include "aaxhost/RecordingComponentDescriptor.h"
#include "aaxhost/RegistrationHost.h"
#include "description/ComponentIo.h"
#include "description/RealtimeRender.h"
#include "hook/CoreLink.h"
#include "hook/CoreStaticInfoCache.h"
#include "parameters/Parameters.h"
#include "testcore/TestCoreClient.h"
#include "util/BufferOps.h"

namespace {

constexpr PluginFormat kBenchFormat = 6;

struct Layout {
    const char* name;
    ChannelConfig config;
    AAX_EStemFormat stem;
};

constexpr Layout kLayouts[] = {{"Mono", kChannelConfigMono, AAX_eStemFormat_Mono},
                               {"Stereo", kChannelConfigStereo, AAX_eStemFormat_Stereo},
                               {"5.1", kChannelConfig5_1, AAX_eStemFormat_5_1},
                               {"7.1.2", kChannelConfig7_1_2, AAX_eStemFormat_7_1_2}};
constexpr std::int32_t kBlockSizes[] = {32, 64, 256, 1024};

aaxhost::ComponentDescription Describe(const CoreStaticInfo& info) {
    aaxhost::RegistrationHost host;
    AAX_VComponentDescriptor component(host.Unknown());
    AAX_IPropertyMap* properties = component.NewPropertyMap();
    DescribeComponentIo(component, properties, info);
    component.AddProcessProc_Native(ProcessInstances, properties);
    return aaxhost::FindOwn<aaxhost::RecordingComponentDescriptor>(component.GetIUnknown())->Description();
}

using Clock = std::chrono::steady_clock;

double NanosecondsPerBlock(Clock::duration total, int blocks) {
    return std::chrono::duration<double, std::nano>(total).count() / blocks;
}

struct Row {
    double render;
    double copy;
};

Row Measure(TestCoreClient& core, const Layout& layout, std::int32_t samples, bool bypass) {
    core.SetLatency(bypass ? 64 : 0);
    auto* parameters = new Parameters(kBenchFormat, layout.config);
    aaxhost::InstanceSetup setup;
    setup.inputStemFormat = layout.stem;
    setup.outputStemFormat = layout.stem;
    aaxhost::EffectInstance host(ACFPtr<AAX_IACFEffectParameters>(static_cast<AAX_IACFEffectParameters*>(parameters)),
                                 setup);
    host.Initialize();
    if (bypass) host.Automate(parameters->BypassId().CStr(), 1.0);
    aaxhost::ContextOptions options;
    options.maxBlockSize = samples;
    options.inputStemFormat = layout.stem;
    options.outputStemFormat = layout.stem;
    const aaxhost::ComponentDescription component = Describe(GetCoreStaticInfo(kBenchFormat));
    aaxhost::InstanceContext context(component, static_cast<AAX_IACFEffectParameters*>(parameters), options);
    for (std::int32_t k = 0; k < context.InputChannelCount(); ++k)
        for (std::int32_t i = 0; i < samples; ++i) context.Input(k)[i] = 0.001f * static_cast<float>(i + k);

    const int blocks = samples <= 64 ? 20000 : 5000;
    void* instances[1] = {const_cast<void**>(context.Fields())};
    for (int b = 0; b < 200; ++b) ProcessInstances(instances, instances + 1);  // warm up
    const Clock::time_point renderStart = Clock::now();
    for (int b = 0; b < blocks; ++b) ProcessInstances(instances, instances + 1);
    const Clock::duration render = Clock::now() - renderStart;
    core.Reset();  // forget the recorded blocks

    const std::int32_t channels = context.OutputChannelCount();
    const Clock::time_point copyStart = Clock::now();
    for (int b = 0; b < blocks; ++b)
        for (std::int32_t k = 0; k < channels; ++k)
            Util::CopyFloats(context.Output(k), context.Input(k < context.InputChannelCount() ? k : 0),
                             static_cast<std::size_t>(samples));
    const Clock::duration copy = Clock::now() - copyStart;
    return Row{NanosecondsPerBlock(render, blocks), NanosecondsPerBlock(copy, blocks)};
}

}  // namespace

int main() {
    CoreLinkScenario scenario;
    const std::wstring path = scenario.AddCore();
    const std::string primed = scenario.UseHook("LmBrisa3.dll", "CoreConfig:bench");
    if (!primed.empty()) {
        std::fprintf(stderr, "render_bench: %s\n", primed.c_str());
        return 1;
    }
    const std::shared_ptr<LoadedCore> link = GetCoreLink();
    TestCoreClient core(GetModuleHandleW(path.c_str()));
    if (!link || !core.Valid()) {
        std::fprintf(stderr, "render_bench: the test core did not load\n");
        return 1;
    }
    CoreStaticInfo info;
    std::memset(&info, 0, sizeof info);
    std::strcpy(info.nameStem, "Bench");
    core.SetStaticInfo(kBenchFormat, &info, CoreStaticInfo::kCoreSize, 0);
    if (!GetCoreStaticInfo(kBenchFormat).IsValid()) {
        std::fprintf(stderr, "render_bench: no static information\n");
        return 1;
    }

    for (const bool bypass : {false, true}) {
        std::printf("\n%s\n", bypass ? "Hook bypass engaged, latency 64 (no block reaches the core)"
                                     : "Process procedure, test core");
        std::printf("%-8s %8s %14s %14s %8s\n", "layout", "samples", "render ns/blk", "copy ns/blk", "ratio");
        for (const Layout& layout : kLayouts)
            for (const std::int32_t samples : kBlockSizes) {
                const Row row = Measure(core, layout, samples, bypass);
                std::printf("%-8s %8d %14.0f %14.0f %8.1f\n", layout.name, samples, row.render, row.copy,
                            row.copy > 0.0 ? row.render / row.copy : 0.0);
            }
    }
    return 0;
}
