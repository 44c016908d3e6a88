// The host simulator loading a real module: entry points, the recorded description in
// declaration order, traces, and the module's object count as the host sees it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TrivialModuleHost.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/HostObject.h"
#include "aaxhost/ObjectFactory.h"

using namespace aaxhost;

namespace {

std::vector<std::string> FieldTexts(const ComponentDescription& component) {
    std::vector<std::string> texts;
    for (const FieldDeclaration& field : component.fields) texts.push_back(DescribeField(field));
    return texts;
}

std::vector<std::string> PropertyTexts(const ComponentDescription& component) {
    std::vector<std::string> texts;
    for (const Property& property : component.Properties()) texts.push_back(DescribeProperty(property));
    return texts;
}

TEST(LoadedModule, RecordsThePackageAndEveryEffectInDeclarationOrder) {
    TrivialModuleHost host;
    const Registration& registration = host.registration;
    ASSERT_EQ(registration.result, ACF_OK);
    EXPECT_TRUE(registration.collectionReturned);

    const PackageDescription& package = registration.package;
    EXPECT_EQ(package.manufacturerName, std::string(trivial::kManufacturerName));
    EXPECT_EQ(package.packageVersion, trivial::kPackageVersion);
    EXPECT_EQ(package.packageNames, (std::vector<std::string>{"Trivial Gain Package", "TrivGain"}));
    EXPECT_EQ(package.calls, (std::vector<std::string>{"SetManufacturerName", "SetPackageVersion", "AddPackageName",
                                                       "AddPackageName", "AddEffect", "AddEffect", "AddEffect"}));
    ASSERT_EQ(package.effects.size(), 3u);
    EXPECT_EQ(package.effects[0].identifier, "Trivial Gain Mono");
    EXPECT_EQ(package.effects[1].identifier, "Trivial Gain Stereo");
    EXPECT_EQ(package.effects[2].identifier, "Trivial Gain Audiosuite");

    const EffectDescription& stereo = package.effects[1];
    EXPECT_EQ(stereo.names, (std::vector<std::string>{"Trivial Gain", "TGain"}));
    EXPECT_EQ(stereo.categories, (std::vector<std::uint32_t>{0x1, 0x2000}));
    EXPECT_EQ(stereo.calls,
              (std::vector<std::string>{"AddName", "AddName", "AddCategory", "AddCategory", "AddProcPtr 1",
                                        "AddResourceInfo", "AddProcPtr 0", "AddComponent"}));
    ASSERT_EQ(stereo.resources.size(), 1u);
    EXPECT_EQ(stereo.resources[0].type, AAX_eResourceType_PageTable);
    EXPECT_EQ(stereo.resources[0].info, "AAXPageTables.xml");
    EXPECT_NE(stereo.FindProcPtr(kAAX_ProcPtrID_Create_EffectParameters), nullptr);
    EXPECT_NE(stereo.FindProcPtr(kAAX_ProcPtrID_Create_EffectGUI), nullptr);
    EXPECT_EQ(stereo.FindProcPtr(kAAX_ProcPtrID_Create_HostProcessor), nullptr);
    EXPECT_NE(package.effects[2].FindProcPtr(kAAX_ProcPtrID_Create_HostProcessor), nullptr);

    ASSERT_EQ(stereo.components.size(), 1u);
    const ComponentDescription& component = stereo.components[0];
    EXPECT_EQ(FieldTexts(component),
              (std::vector<std::string>{
                  "AddAudioIn 0", "AddAudioOut 1", "AddAudioBufferLength 2", "AddPrivateData 3 size 40 options 1",
                  "AddSideChainIn 4", "AddAuxOutputStem 1 AAX_eStemFormat_Stereo \"Aux 1\"",
                  "AddMIDINode 5 AAX_eMIDINodeType_LocalInput \"Trivial Gain MIDI In\" mask 0xFFFF"}));
    // The side-chain property was added first, right after the side-chain field.
    EXPECT_EQ(PropertyTexts(component),
              (std::vector<std::string>{"116=0x1", "11=0x4C6D5473", "12=0x5447616E", "51=0x10002", "52=0x10002",
                                        "60=0x1", "151=0x0", "13=0x54477331"}));
    ASSERT_EQ(component.processProcedures.size(), 1u);
    EXPECT_NE(component.processProcedures[0].proc, nullptr);
    EXPECT_TRUE(component.processProcedures[0].hasPropertyMap);
    EXPECT_EQ(component.InputStemFormat(), AAX_eStemFormat_Stereo);
    EXPECT_EQ(package.effects[2].components.at(0).OutputStemFormat(), AAX_eStemFormat_Any);
}

TEST(LoadedModule, EntryPointsAnswerAndTracesReachTheHostServices) {
    TrivialModuleHost host;
    std::uint64_t version = 0;
    EXPECT_EQ(host.module->GetSDKVersion(&version), ACF_OK);
    EXPECT_EQ(version, kAAX_SDKVersion);
    IACFComponentDefinition* component = reinterpret_cast<IACFComponentDefinition*>(&version);
    EXPECT_EQ(host.module->RegisterComponent(0, &component), ACF_OK);
    EXPECT_EQ(component, nullptr);
    void* factory = &version;
    EXPECT_EQ(host.module->GetClassFactory(IID_IACFUnknown, IID_IACFUnknown, &factory), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(factory, nullptr);

    const std::vector<TraceLine> traces = host.module->Traces();
    ASSERT_EQ(traces.size(), 1u);
    EXPECT_EQ(traces[0].priority, AAX_eTracePriorityHost_High);
    EXPECT_EQ(traces[0].message, trivial::kRegisteredTrace);
    EXPECT_NE(host.module->FindExport(trivial::kShowFatalErrorExport), nullptr);
    EXPECT_EQ(host.module->FindExport("NoSuchExport"), nullptr);
}

TEST(LoadedModule, ModuleCanUnloadOnlyAfterEveryObjectIsReleased) {
    TrivialModuleHost host;
    ASSERT_EQ(host.module->CanUnloadNow(), 0);
    {
        auto instance = CreateEffectInstance(host.Effect(trivial::kMonoEffectID));
        ASSERT_NE(instance, nullptr);
        ASSERT_EQ(instance->Initialize(), AAX_SUCCESS);
        ACFPtr<AAX_IACFEffectGUI> editor = CreateEffectGUI(host.Effect(trivial::kMonoEffectID));
        ASSERT_TRUE(editor);
        EXPECT_EQ(host.module->CanUnloadNow(), 2);
    }
    EXPECT_EQ(host.module->CanUnloadNow(), 0);
}

TEST(LoadedModule, ModuleGivesBackEveryHostObjectByShutdown) {
    const std::int32_t before = LiveHostObjectCount();
    {
        TrivialModuleHost host;
        {
            auto instance = CreateEffectInstance(host.Effect(trivial::kStereoEffectID));
            ASSERT_EQ(instance->Initialize(), AAX_SUCCESS);
        }
        EXPECT_EQ(host.module->Shutdown(), ACF_OK);
        // Only the host's own objects remain, held by the LoadedModule itself: the
        // component factory and the host services.
        EXPECT_EQ(LiveHostObjectCount(), before + 2);
    }
    EXPECT_EQ(LiveHostObjectCount(), before);
}

TEST(LoadedModule, MissingLibraryOrRegistrationEntryIsALoadError) {
    EXPECT_THROW(LoadedModule(TestBinaryPath(L"no_such_module.dll")), ModuleLoadError);
    // A real DLL without the ACF entry points.
    EXPECT_THROW(LoadedModule(TestBinaryPath(L"fx_hook_none.dll")), ModuleLoadError);
}

}  // namespace
