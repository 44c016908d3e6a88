#include "description/EffectVariant.h"

#include "contract/ChannelConfig.h"
#include "contract/PluginFormat.h"
#include "description/ParameterFactories.h"
#include "hook/PluginIds.h"

namespace {

template <PluginIdKind kind>
EffectVariant Row(CoreStaticInfoAccessor available, ChannelConfig config, AAX_EStemFormat input,
                  AAX_EStemFormat output) {
    return {std::move(available),
            &PluginIdOf<kind>,
            ParametersFactoryFor(kPluginFormatAaxNative, config),
            input,
            output,
            kind};
}

template <PluginIdKind kind>
EffectVariant Row(ChannelConfig config, AAX_EStemFormat input, AAX_EStemFormat output) {
    return Row<kind>(&VariantAvailable<kind>, config, input, output);
}

}  // namespace

std::array<EffectVariant, kEffectVariantCount> MakeEffectVariants(bool hostVersionGate) {
    return {{
        Row<kPluginIdMono>(kChannelConfigMono, AAX_eStemFormat_Mono, AAX_eStemFormat_Mono),
        // Mono in, stereo out runs the stereo instance.
        Row<kPluginIdMonoToStereo>(kChannelConfigStereo, AAX_eStemFormat_Mono, AAX_eStemFormat_Stereo),
        Row<kPluginIdStereo>(kChannelConfigStereo, AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo),
        Row<kPluginIdLrc>(kChannelConfigLcr, AAX_eStemFormat_LCR, AAX_eStemFormat_LCR),
        Row<kPluginIdQuad>(kChannelConfigQuad, AAX_eStemFormat_Quad, AAX_eStemFormat_Quad),
        Row<kPluginIdLcrs>(kChannelConfigLcrs, AAX_eStemFormat_LCRS, AAX_eStemFormat_LCRS),
        Row<kPluginId5_0>(kChannelConfig5_0, AAX_eStemFormat_5_0, AAX_eStemFormat_5_0),
        Row<kPluginId5_1>(kChannelConfig5_1, AAX_eStemFormat_5_1, AAX_eStemFormat_5_1),
        Row<kPluginId7_0Dts>(kChannelConfig7_0Dts, AAX_eStemFormat_7_0_DTS, AAX_eStemFormat_7_0_DTS),
        Row<kPluginId7_0Sdds>(kChannelConfig7_0Sdds, AAX_eStemFormat_7_0_SDDS, AAX_eStemFormat_7_0_SDDS),
        Row<kPluginId7_1Dts>(kChannelConfig7_1Dts, AAX_eStemFormat_7_1_DTS, AAX_eStemFormat_7_1_DTS),
        Row<kPluginId7_1Sdds>(kChannelConfig7_1Sdds, AAX_eStemFormat_7_1_SDDS, AAX_eStemFormat_7_1_SDDS),
        Row<kPluginId7_1_2>(VariantAvailableWithGate<kPluginId7_1_2>(hostVersionGate), kChannelConfig7_1_2,
                            AAX_eStemFormat_7_1_2, AAX_eStemFormat_7_1_2),
        Row<kPluginId7_0_2>(VariantAvailableWithGate<kPluginId7_0_2>(hostVersionGate), kChannelConfig7_0_2,
                            AAX_eStemFormat_7_0_2, AAX_eStemFormat_7_0_2),
    }};
}
