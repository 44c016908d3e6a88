#include "description/EffectDescriptions.h"

#include <cstdint>
#include <string>

#include "aax/AAX_Enums.h"
#include "aax/AAX_ICollection.h"
#include "contract/ChannelConfig.h"
#include "contract/PluginFormat.h"
#include "description/ComponentIo.h"
#include "description/EffectVariant.h"
#include "description/ParameterFactories.h"
#include "description/ProToolsVersion.h"
#include "description/RealtimeRender.h"
#include "gui/AAX_GUI.h"
#include "hook/CoreStaticInfoCache.h"
#include "hook/PluginIds.h"
#include "hostprocessor/HostProcessorFactory.h"

namespace {

constexpr std::uint32_t kHighestCategory = 0x2000;
constexpr const char* kPageTableFile = "AAXPageTables.xml";
constexpr const char* kAudioSuiteVariantName = "Audiosuite";

std::string EffectIdentifier(const CoreStaticInfo& info, const char* variantName) {
    return info.EffectIdStem().Bytes() + " " + variantName;
}

bool HostVersionGate() {
    static const bool gate = [] {
        const Util::ParsedVersion version = ProToolsVersion();
        return version.valid != 0 && VersionAtLeast(version, Util::ParsedVersion{12, 8, 0, 0, 1});
    }();
    return gate;
}

AAX_Result DescribeEffectCommon(AAX_IEffectDescriptor& effect, const CoreStaticInfo& info) {
    for (const Util::String& name : info.NameList()) effect.AddName(name.CStr());
    const std::uint32_t mask = info.CategoryMask();
    for (std::uint32_t bit = 0x1; bit <= kHighestCategory; bit <<= 1)
        if ((mask & bit) != 0) effect.AddCategory(bit);
    effect.AddProcPtr(&CreateEditor, kAAX_ProcPtrID_Create_EffectGUI);
    effect.AddResourceInfo(AAX_eResourceType_PageTable, kPageTableFile);
    return AAX_SUCCESS;
}

// First match wins; 2 for plain stereo, else 1.
AAX_CPropertyValue AudioSuiteChannelCount(const CoreStaticInfo& info) {
    if (info.StemAvailable(kStem7_1_2)) return 10;
    if (info.StemAvailable(kStem7_0_2)) return 9;
    if (info.StemAvailable(kStem7_1Dts) || info.StemAvailable(kStem7_1Sdds)) return 8;
    if (info.StemAvailable(kStem7_0Dts) || info.StemAvailable(kStem7_0Sdds)) return 7;
    if (info.StemAvailable(kStem5_1)) return 6;
    if (info.StemAvailable(kStem5_0)) return 5;
    if (info.StemAvailable(kStemQuad) || info.StemAvailable(kStemLcrs)) return 4;
    if (info.StemAvailable(kStemLcr) || info.StemAvailable(kStemPosition4)) return 3;
    return info.StemAvailable(kStemStereo) ? 2 : 1;
}

// The AudioSuite instance's layout, from the realtime record's flags; first match wins.
ChannelConfig AudioSuiteChannelConfig(const CoreStaticInfo& realtime) {
    static const struct {
        StemPosition position;
        ChannelConfig config;
    } kChoices[] = {
        {kStemStereo, kChannelConfigStereo}, {kStemMono, kChannelConfigMono},   {kStem7_1Dts, kChannelConfig7_1Dts},
        {kStem7_0Dts, kChannelConfig7_0Dts}, {kStem5_1, kChannelConfig5_1},     {kStem5_0, kChannelConfig5_0},
        {kStemQuad, kChannelConfigQuad},     {kStemLcrs, kChannelConfigLcrs},   {kStemLcr, kChannelConfigLcr},
        {kStem7_1_2, kChannelConfig7_1_2},   {kStem7_0_2, kChannelConfig7_0_2},
    };
    for (const auto& choice : kChoices)
        if (realtime.StemAvailable(choice.position)) return choice.config;
    return kChannelConfigMono;
}

bool AudioSuiteDisableHandles(const CoreStaticInfo& info) {
    if (info.AudioSuiteProperty115Default()) return true;
    if (info.AudioSuiteAnalysisFlag() == 0) return false;
    const Util::ParsedVersion version = ProToolsVersion();
    return version.valid == 0 || !VersionAtLeast(version, Util::ParsedVersion{11, 3, 1, 0, 1});
}

AAX_Result DescribeComponent(AAX_IComponentDescriptor& component, const CoreStaticInfo& info, AAX_EStemFormat inputStem,
                             AAX_EStemFormat outputStem, PluginFormat format, std::uint32_t pluginId) {
    AAX_IPropertyMap* properties = component.NewPropertyMap();
    DescribeComponentIo(component, properties, info);

    const auto add = [properties](AAX_EProperty id, std::uint32_t value) {
        properties->AddProperty(id, static_cast<AAX_CPropertyValue>(value));
    };
    add(AAX_eProperty_ManufacturerID, info.ManufacturerId());
    add(AAX_eProperty_ProductID, ProductIdOf(info));
    add(AAX_eProperty_InputStemFormat, static_cast<std::uint32_t>(inputStem));
    add(AAX_eProperty_OutputStemFormat, static_cast<std::uint32_t>(outputStem));
    if (format == kPluginFormatAudioSuite) {
        const auto channels = static_cast<std::uint32_t>(AudioSuiteChannelCount(info));
        add(AAX_eProperty_NumberOfInputs, channels);
        add(AAX_eProperty_NumberOfOutputs, channels);
    }
    add(AAX_eProperty_CanBypass, 1);
    add(AAX_eProperty_UsesClientGUI, 0);
    if (format == kPluginFormatAaxNative) {
        add(AAX_eProperty_PlugInID_Native, pluginId);
    } else if (format == kPluginFormatAudioSuite) {
        add(AAX_eProperty_UsesRandomAccess, info.AudioSuiteProperty101());
        const std::uint32_t analysis = info.AudioSuiteAnalysisFlag();
        add(AAX_eProperty_OptionalAnalysis, analysis);
        if (analysis != 0) add(AAX_eProperty_DisableAudioSuiteReverse, 1);
        add(AAX_eProperty_RequiresAnalysis, info.AudioSuiteProperty102());
        if (info.AudioSuiteFlagA()) {
            add(AAX_eProperty_MultiInputModeOnly, 1);
            add(AAX_eProperty_ContinuousOnly, 1);
        }
        add(AAX_eProperty_DisableHandles, AudioSuiteDisableHandles(info) ? 1 : 0);
        add(AAX_eProperty_PlugInID_AudioSuite, pluginId);
        add(AAX_eProperty_UsesTransport, 1);
        if (info.AudioSuiteFlagB()) add(AAX_eProperty_DisablePreview, 1);
    } else {
        return AAX_ERROR_NULL_OBJECT;
    }
    component.AddProcessProc_Native(&ProcessInstances, properties);
    return AAX_SUCCESS;
}

AAX_Result RegisterRealtimeVariant(AAX_ICollection& collection, const EffectVariant& variant,
                                   const CoreStaticInfo& info) {
    if (variant.available(info) == 0) return AAX_SUCCESS;
    AAX_IEffectDescriptor* effect = collection.NewDescriptor();
    DescribeEffectCommon(*effect, info);
    effect->AddProcPtr(variant.createParameters, kAAX_ProcPtrID_Create_EffectParameters);
    AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
    const AAX_Result described = DescribeComponent(*component, info, variant.inputStem, variant.outputStem,
                                                   kPluginFormatAaxNative, variant.pluginId(info));
    if (described != AAX_SUCCESS) return described;
    effect->AddComponent(component);
    return collection.AddEffect(EffectIdentifier(info, PluginIdKindName(variant.kind)).c_str(), effect);
}

AAX_Result RegisterAudioSuiteEffect(AAX_ICollection& collection, const CoreStaticInfo& realtime) {
    const CoreStaticInfo& info = GetCoreStaticInfo(kPluginFormatAudioSuite);
    if (!info.IsValid()) return kNoCoreDescriptionResult;
    AAX_IEffectDescriptor* effect = collection.NewDescriptor();
    DescribeEffectCommon(*effect, info);
    effect->AddProcPtr(ParametersFactoryFor(kPluginFormatAudioSuite, AudioSuiteChannelConfig(realtime)),
                       kAAX_ProcPtrID_Create_EffectParameters);
    effect->AddProcPtr(&CreateHostProcessor, kAAX_ProcPtrID_Create_HostProcessor);
    AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
    const AAX_Result described = DescribeComponent(*component, info, AAX_eStemFormat_Any, AAX_eStemFormat_Any,
                                                   kPluginFormatAudioSuite, AudioSuiteIdOf(realtime));
    if (described != AAX_SUCCESS) return described;
    effect->AddComponent(component);
    return collection.AddEffect(EffectIdentifier(realtime, kAudioSuiteVariantName).c_str(), effect);
}

}  // namespace

AAX_Result GetEffectDescriptions(AAX_ICollection* collection) {
    if (collection == nullptr) return AAX_ERROR_NULL_OBJECT;
    const CoreStaticInfo& info = GetCoreStaticInfo(kPluginFormatAaxNative);
    if (!info.IsValid()) return kNoCoreDescriptionResult;

    collection->SetManufacturerName(info.ManufacturerName().CStr());
    collection->SetPackageVersion(info.PackageVersion());
    for (const Util::String& name : info.NameList()) collection->AddPackageName(name.CStr());

    if (info.HasRealtime()) {
        for (const EffectVariant& variant : MakeEffectVariants(HostVersionGate())) {
            const AAX_Result result = RegisterRealtimeVariant(*collection, variant, info);
            if (result != AAX_SUCCESS) return result;
        }
    }
    if (info.IsInstrument()) return AAX_SUCCESS;
    return RegisterAudioSuiteEffect(*collection, info);
}
