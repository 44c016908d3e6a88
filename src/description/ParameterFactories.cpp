#include "description/ParameterFactories.h"

#include <iterator>

#include "parameters/Parameters.h"

namespace {

template <PluginFormat format, ChannelConfig config>
IACFUnknown* CreateParameters() noexcept {
    try {
        return static_cast<AAX_IACFEffectParameters*>(new Parameters(format, config));
    } catch (...) {
        // PluginHookUnavailable (no core, invalid record) and bad_alloc above all; the
        // host learns of any failure only as a missing object.
        return nullptr;
    }
}

struct FactoryEntry {
    PluginFormat format;
    ChannelConfig config;
    AAX_CreateObjectProc create;
};

template <PluginFormat format, ChannelConfig config>
constexpr FactoryEntry Entry() {
    return {format, config, &CreateParameters<format, config>};
}

constexpr PluginFormat kRt = kPluginFormatAaxNative;
constexpr PluginFormat kAs = kPluginFormatAudioSuite;

const FactoryEntry kFactories[] = {
    Entry<kRt, kChannelConfigMono>(),  Entry<kRt, kChannelConfigStereo>(), Entry<kRt, kChannelConfigLcr>(),
    Entry<kRt, kChannelConfigLcrs>(),  Entry<kRt, kChannelConfigQuad>(),   Entry<kRt, kChannelConfig5_0>(),
    Entry<kRt, kChannelConfig5_1>(),   Entry<kRt, kChannelConfig7_0Dts>(), Entry<kRt, kChannelConfig7_0Sdds>(),
    Entry<kRt, kChannelConfig7_0_2>(), Entry<kRt, kChannelConfig7_1Dts>(), Entry<kRt, kChannelConfig7_1Sdds>(),
    Entry<kRt, kChannelConfig7_1_2>(), Entry<kAs, kChannelConfigMono>(),   Entry<kAs, kChannelConfigStereo>(),
    Entry<kAs, kChannelConfigLcr>(),   Entry<kAs, kChannelConfigLcrs>(),   Entry<kAs, kChannelConfigQuad>(),
    Entry<kAs, kChannelConfig5_0>(),   Entry<kAs, kChannelConfig5_1>(),    Entry<kAs, kChannelConfig7_0Dts>(),
    Entry<kAs, kChannelConfig7_0_2>(), Entry<kAs, kChannelConfig7_1Dts>(), Entry<kAs, kChannelConfig7_1_2>(),
};
static_assert(std::size(kFactories) == 24, "13 realtime and 11 AudioSuite factories");

}  // namespace

AAX_CreateObjectProc ParametersFactoryFor(PluginFormat format, ChannelConfig config) noexcept {
    for (const FactoryEntry& entry : kFactories)
        if (entry.format == format && entry.config == config) return entry.create;
    return nullptr;
}
