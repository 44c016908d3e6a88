// The description the real primed module gives a host, over the test core's scripted
// static information.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ModuleScenario.h"
#include "contract/InstanceCreateRequest.h"
#include "hook/PluginIds.h"

namespace {

using Properties = std::vector<std::pair<int, std::uint32_t>>;

std::vector<std::string> Identifiers(const aaxhost::PackageDescription& package) {
    std::vector<std::string> ids;
    for (const auto& effect : package.effects) ids.push_back(effect.identifier);
    return ids;
}

Properties PropertiesOf(const aaxhost::EffectDescription& effect) {
    Properties properties;
    if (effect.components.empty() || effect.components[0].processProcedures.empty()) return properties;
    for (const auto& property : effect.components[0].processProcedures[0].properties)
        properties.emplace_back(static_cast<int>(property.id), static_cast<std::uint32_t>(property.value));
    return properties;
}

std::uint32_t PropertyValue(const aaxhost::EffectDescription& effect, int id) {
    for (const auto& property : PropertiesOf(effect))
        if (property.first == id) return property.second;
    ADD_FAILURE() << "no property " << id << " on " << effect.identifier;
    return 0xDEADBEEF;
}

std::vector<int> PropertyIds(const aaxhost::EffectDescription& effect) {
    std::vector<int> ids;
    for (const auto& property : PropertiesOf(effect)) ids.push_back(property.first);
    return ids;
}

TEST(EffectDescription, AllLayoutsBelowHost128GiveRowsZeroToElevenThenAudioSuite) {
    LM_SCENARIO(scenario);
    CoreStaticInfo info = BasicRecord();
    for (auto& flag : info.stemAvailable) flag = 1;
    scenario.Script(info);

    const aaxhost::Registration registration = scenario.Register();
    ASSERT_EQ(registration.result, 0);
    EXPECT_TRUE(registration.collectionReturned);
    const auto& package = registration.package;
    EXPECT_EQ(Identifiers(package),
              (std::vector<std::string>{"Fx Mono", "Fx Mono To Stereo", "Fx Stereo", "Fx LRC", "Fx Quad", "Fx LCRS",
                                        "Fx 5.0", "Fx 5.1", "Fx 7.0 DTS", "Fx 7.0 SDDS", "Fx 7.1 DTS", "Fx 7.1 SDDS",
                                        "Fx Audiosuite"}));
    ASSERT_EQ(package.effects.size(), 13u);
    const std::vector<std::pair<std::uint32_t, std::uint32_t>> stems =
        {{0x1, 0x1},         {0x1, 0x10002},     {0x10002, 0x10002},      {0x20003, 0x20003}, {0x40004, 0x40004},
         {0x30004, 0x30004}, {0x50005, 0x50005}, {0x60006, 0x60006},      {0xB0007, 0xB0007}, {0x90007, 0x90007},
         {0xC0008, 0xC0008}, {0xA0008, 0xA0008}, {0xFFFF0000, 0xFFFF0000}};
    for (std::size_t i = 0; i < stems.size(); ++i) {
        SCOPED_TRACE(package.effects[i].identifier);
        EXPECT_EQ(PropertyValue(package.effects[i], 51), stems[i].first);
        EXPECT_EQ(PropertyValue(package.effects[i], 52), stems[i].second);
    }
    EXPECT_EQ(PropertyValue(package.effects.back(), 113), 10u) << "7.1.2 wins the AudioSuite channel count";

    EXPECT_EQ(package.manufacturerName, std::string("Lumetra Audio"));
    EXPECT_EQ(package.packageVersion, 0x30201u);
    EXPECT_EQ(package.packageNames, (std::vector<std::string>{"Brisa Long", "Brisa"}));
    ASSERT_GE(package.calls.size(), 4u);
    EXPECT_EQ(package.calls[0], "SetManufacturerName");
    EXPECT_EQ(package.calls[1], "SetPackageVersion");
    EXPECT_EQ(package.calls[2], "AddPackageName");
    EXPECT_EQ(package.calls[3], "AddPackageName");

    const auto& stereo = package.effects[2];
    EXPECT_EQ(stereo.names, (std::vector<std::string>{"Brisa Long", "Brisa"}));
    ASSERT_EQ(stereo.resources.size(), 1u);
    EXPECT_EQ(stereo.resources[0].type, 1);
    EXPECT_EQ(stereo.resources[0].info, "AAXPageTables.xml");
    EXPECT_NE(stereo.FindProcPtr(kAAX_ProcPtrID_Create_EffectParameters), nullptr);
    EXPECT_NE(stereo.FindProcPtr(kAAX_ProcPtrID_Create_EffectGUI), nullptr);
    EXPECT_EQ(stereo.FindProcPtr(kAAX_ProcPtrID_Create_HostProcessor), nullptr)
        << "realtime effects have no offline processor";
    EXPECT_EQ(stereo.FindProcPtr(kAAX_ProcPtrID_Create_EffectParameters),
              package.effects[1].FindProcPtr(kAAX_ProcPtrID_Create_EffectParameters))
        << "rows 1 and 2 share one factory";
    EXPECT_NE(package.effects.back().FindProcPtr(kAAX_ProcPtrID_Create_HostProcessor), nullptr);
    for (const auto& effect : package.effects) {
        ASSERT_EQ(effect.components.size(), 1u) << effect.identifier;
        ASSERT_EQ(effect.components[0].processProcedures.size(), 1u) << effect.identifier;
        EXPECT_NE(effect.components[0].processProcedures[0].proc, nullptr);
    }
}

TEST(EffectDescription, OnlyMonoInStereoOutGivesOneEffectAndAMonoAudioSuite) {
    LM_SCENARIO(scenario);
    CoreStaticInfo info = BasicRecord();
    info.stemAvailable[kStemStereo] = 0;
    info.stemAvailable[kStemMonoInStereoOut] = 1;
    const aaxhost::PackageDescription package = scenario.Describe(info);
    ASSERT_EQ(Identifiers(package), (std::vector<std::string>{"Fx Mono To Stereo", "Fx Audiosuite"}));
    EXPECT_EQ(PropertyValue(package.effects[0], 51), 0x1u);
    EXPECT_EQ(PropertyValue(package.effects[0], 52), 0x10002u);
    EXPECT_EQ(PropertyValue(package.effects[1], 113), 1u);
    EXPECT_EQ(PropertyValue(package.effects[1], 114), 1u);

    // Each factory builds its instance with its own format and layout.
    const std::vector<std::pair<std::size_t, std::pair<std::uint32_t, std::uint32_t>>> expected = {{0, {6, 1}},
                                                                                                   {1, {7, 0}}};
    for (const auto& [index, formatAndConfig] : expected) {
        scenario.Core().Reset();
        scenario.Script(info);
        IACFUnknown* object = package.effects[index].FindProcPtr(kAAX_ProcPtrID_Create_EffectParameters)();
        ASSERT_NE(object, nullptr) << package.effects[index].identifier;
        const auto creations = scenario.Core().CallsOf(1);
        ASSERT_EQ(creations.size(), 1u);
        const auto request = creations[0].As<InstanceCreateRequest>();
        EXPECT_EQ(request.pluginFormat, formatAndConfig.first);
        EXPECT_EQ(request.channelConfig, formatAndConfig.second);
        object->Release();
    }
}

TEST(EffectDescription, RealtimeFlagZeroRegistersOnlyTheAudioSuiteEffectAndNothingForAnInstrument) {
    for (const std::uint32_t instrument : {0u, 1u}) {
        LM_SCENARIO(scenario);
        CoreStaticInfo info = BasicRecord();
        info.realtimeFlag = 0;
        info.instrumentFlag = instrument;
        const aaxhost::PackageDescription package = scenario.Describe(info);
        EXPECT_EQ(Identifiers(package),
                  instrument ? std::vector<std::string>{} : std::vector<std::string>{"Fx Audiosuite"});
        EXPECT_EQ(package.packageNames.size(), 2u) << "the package itself is still described";
    }
}

TEST(EffectDescription, InstrumentGetsRealtimeEffectsWithMidiNodesButNoAudioSuite) {
    LM_SCENARIO(scenario);
    CoreStaticInfo info = BasicRecord();
    info.instrumentFlag = 1;
    info.stemAvailable[kStemMono] = 1;
    const aaxhost::PackageDescription package = scenario.Describe(info);
    ASSERT_EQ(Identifiers(package), (std::vector<std::string>{"Fx Mono", "Fx Stereo"}));
    for (const auto& effect : package.effects) {
        const auto& nodes = effect.components[0].midiNodes;
        ASSERT_EQ(nodes.size(), 3u);
        EXPECT_EQ(nodes[0].name, "Brisa Long MIDI In");
    }
}

TEST(EffectDescription, CategoriesUpTo0x2000AreAddedInAscendingOrder) {
    LM_SCENARIO(scenario);
    CoreStaticInfo info = BasicRecord();
    info.categoryMask = 0x6003;
    const aaxhost::PackageDescription package = scenario.Describe(info);
    for (const auto& effect : package.effects)
        EXPECT_EQ(effect.categories, (std::vector<std::uint32_t>{0x1, 0x2, 0x2000})) << effect.identifier;
}

TEST(EffectDescription, NameListsKeepInnerEmptyLinesAndDropATrailingLineFeed) {
    LM_SCENARIO(scenario);
    CoreStaticInfo info = BasicRecord();
    LM_SET_TEXT(info, nameList, "Alpha Long\n\nAlpha\n");
    LM_SET_TEXT(info, manufacturerName, "Maker");
    CoreStaticInfo audioSuite = info;
    LM_SET_TEXT(audioSuite, nameList, "Offline A\nOffline B");
    const aaxhost::PackageDescription package = scenario.Describe(info, audioSuite);
    const std::vector<std::string> names = {"Alpha Long", "", "Alpha"};
    EXPECT_EQ(package.packageNames, names);
    EXPECT_EQ(package.manufacturerName, std::string("Maker"));
    ASSERT_EQ(package.effects.size(), 2u);
    EXPECT_EQ(package.effects[0].names, names);
    EXPECT_EQ(package.effects[1].names, (std::vector<std::string>{"Offline A", "Offline B"}))
        << "the AudioSuite effect is named from its own record";
}

TEST(EffectDescription, PropertiesComeInTheirOrderForEachFormat) {
    LM_SCENARIO(scenario);
    CoreStaticInfo info = BasicRecord();
    CoreStaticInfo audioSuite = info;
    audioSuite.audioSuiteAnalysisFlag = 3;
    audioSuite.audioSuiteFlagA = 1;
    audioSuite.audioSuiteFlagB = 1;
    audioSuite.audioSuiteProperty101 = 0x101;
    audioSuite.audioSuiteProperty102 = 0x102;
    const aaxhost::PackageDescription package = scenario.Describe(info, audioSuite);
    ASSERT_EQ(package.effects.size(), 2u);
    const auto& realtime = package.effects[0];
    const auto& offline = package.effects[1];
    EXPECT_EQ(PropertyIds(realtime), (std::vector<int>{11, 12, 51, 52, 60, 151, 13}));
    EXPECT_EQ(PropertyIds(offline),
              (std::vector<int>{11, 12, 51, 52, 113, 114, 60, 151, 101, 103, 118, 102, 108, 107, 115, 14, 306, 110}));
    EXPECT_EQ(PropertyValue(realtime, 11), 0x4C756D65u);
    EXPECT_EQ(PropertyValue(realtime, 60), 1u);
    EXPECT_EQ(PropertyValue(realtime, 151), 0u);
    EXPECT_EQ(PropertyValue(offline, 113), 2u);
    EXPECT_EQ(PropertyValue(offline, 101), 0x101u);
    EXPECT_EQ(PropertyValue(offline, 102), 0x102u);
    EXPECT_EQ(PropertyValue(offline, 103), 3u);
    EXPECT_EQ(PropertyValue(offline, 118), 1u);
    EXPECT_EQ(PropertyValue(offline, 306), 1u);
    EXPECT_EQ(PropertyValue(offline, 115), 1u) << "analysis on a host that is not the gated one";
}

TEST(EffectDescription, AudioSuiteProperty115FollowsItsDefaultFlagAndTheAnalysisFlag) {
    struct Case {
        std::uint32_t defaultFlag;
        std::uint32_t analysis;
        std::uint32_t expected;
    };
    for (const Case& c : {Case{0, 0, 0}, Case{1, 0, 1}, Case{0, 1, 1}}) {
        SCOPED_TRACE(std::to_string(c.defaultFlag) + "/" + std::to_string(c.analysis));
        LM_SCENARIO(scenario);
        CoreStaticInfo info = BasicRecord();
        info.audioSuiteProperty115Default = c.defaultFlag;
        info.audioSuiteAnalysisFlag = c.analysis;
        const aaxhost::PackageDescription package = scenario.Describe(info);
        const auto& offline = package.effects.back();
        EXPECT_EQ(PropertyValue(offline, 115), c.expected);
        const auto ids = PropertyIds(offline);
        EXPECT_EQ(std::count(ids.begin(), ids.end(), 118), c.analysis ? 1 : 0);
        EXPECT_EQ(std::count(ids.begin(), ids.end(), 108), 0);
        EXPECT_EQ(std::count(ids.begin(), ids.end(), 110), 0);
    }
}

TEST(EffectDescription, PluginIdsAreExplicitDerivedOrFixedEndToEnd) {
    struct Case {
        const char* name;
        std::uint32_t explicitFlag;
        std::uint32_t deriveFlag;
        std::uint32_t product, stereo, audioSuite;
    };
    const std::uint32_t base = 0x42720000;
    const Case cases[] = {
        {"explicit", 1, 1, 0xE0000000, 0xE0000006, 0xE0000002},
        {"derived", 0, 1, base, base + 6, base + 2},
        {"fixed", 0, 0, base, FourCharCode('S', 't', 'e', 'o'), FourCharCode('A', 'u', 'd', 'S')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LM_SCENARIO(scenario);
        CoreStaticInfo info = BasicRecord();
        info.explicitIdsFlag = c.explicitFlag;
        info.deriveIdsFlag = c.deriveFlag;
        for (std::uint32_t kind = 0; kind < CoreStaticInfo::kExplicitIdCount; ++kind)
            info.explicitIds[kind] = 0xE0000000 + kind;
        CoreStaticInfo audioSuite = info;
        audioSuite.explicitIdsFlag = 0;  // the AudioSuite ID comes from the realtime record
        audioSuite.deriveIdsFlag = 0;
        audioSuite.basePluginId = 0x11110000;
        const aaxhost::PackageDescription package = scenario.Describe(info, audioSuite);
        ASSERT_EQ(package.effects.size(), 2u);
        EXPECT_EQ(PropertyValue(package.effects[0], 12), c.product);
        EXPECT_EQ(PropertyValue(package.effects[0], 13), c.stereo);
        EXPECT_EQ(PropertyValue(package.effects[1], 14), c.audioSuite);
    }
}

}  // namespace
