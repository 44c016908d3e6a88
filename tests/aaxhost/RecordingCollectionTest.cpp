// The registration host as a module drives it through the layer's own wrappers: what
// the host keeps when a module repeats, reorders or misuses description calls.

#include <gtest/gtest.h>

#include "aax/AAX_VCollection.h"
#include "aaxhost/RecordingCollection.h"
#include "aaxhost/RegistrationHost.h"

using namespace aaxhost;

namespace {

void NoProcess(void* const[], const void* const) noexcept {}

// The collection the module described into (the first one it made).
ACFPtr<RecordingCollection> Described(RegistrationHost& host) {
    std::vector<ACFPtr<RecordingCollection>> made = host.TakeCollections();
    return made.empty() ? ACFPtr<RecordingCollection>() : std::move(made.front());
}

TEST(RecordingCollection, RepeatedPropertyKeepsItsFirstPlaceWithTheLastValue) {
    RegistrationHost host;
    {
        AAX_VCollection module(host.Unknown());
        AAX_IEffectDescriptor* effect = module.NewDescriptor();
        AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
        AAX_IPropertyMap* map = component->NewPropertyMap();
        map->AddProperty(AAX_eProperty_InputStemFormat, AAX_eStemFormat_Mono);
        map->AddProperty(AAX_eProperty_OutputStemFormat, AAX_eStemFormat_Mono);
        map->AddProperty(AAX_eProperty_InputStemFormat, AAX_eStemFormat_Stereo);
        AAX_CPropertyValue value = 0;
        EXPECT_EQ(map->GetProperty(AAX_eProperty_InputStemFormat, &value), 1);
        EXPECT_EQ(value, AAX_eStemFormat_Stereo);
        ASSERT_EQ(component->AddProcessProc_Native(NoProcess, map), AAX_SUCCESS);
        // Later additions to the map do not reach the procedure already registered.
        map->AddProperty(AAX_eProperty_CanBypass, 1);
        ASSERT_EQ(effect->AddComponent(component), AAX_SUCCESS);
        ASSERT_EQ(module.AddEffect("Fx", effect), AAX_SUCCESS);
    }
    const ACFPtr<RecordingCollection> collection = Described(host);
    const ComponentDescription& recorded = collection->Description().effects.at(0).components.at(0);
    ASSERT_EQ(recorded.Properties().size(), 2u);
    EXPECT_EQ(DescribeProperty(recorded.Properties()[0]), "51=0x10002");
    EXPECT_EQ(DescribeProperty(recorded.Properties()[1]), "52=0x1");
}

TEST(RecordingCollection, EffectIsRecordedAsItStoodAtAddEffect) {
    RegistrationHost host;
    {
        AAX_VCollection module(host.Unknown());
        AAX_IEffectDescriptor* effect = module.NewDescriptor();
        effect->AddName("Before");
        ASSERT_EQ(module.AddEffect("Fx", effect), AAX_SUCCESS);
        effect->AddName("After");
        ASSERT_EQ(module.AddEffect("Fx again", effect), AAX_SUCCESS);
    }
    const std::vector<EffectDescription> effects = Described(host)->Description().effects;
    ASSERT_EQ(effects.size(), 2u);
    EXPECT_EQ(effects[0].names, (std::vector<std::string>{"Before"}));
    EXPECT_EQ(effects[1].names, (std::vector<std::string>{"Before", "After"}));
}

TEST(RecordingCollection, ForeignObjectsAndNullTextsAreRefusedAndNotRecorded) {
    RegistrationHost host;
    auto collection = ACFPtr<AAX_IACFCollection>::Create(host.Unknown(), AAXCompID_AAXCollection, IID_IAAXCollectionV1);
    auto effect = ACFPtr<AAX_IACFEffectDescriptor>::Create(host.Unknown(), AAXCompID_AAXEffectDescriptor,
                                                           IID_IAAXEffectDescriptorV1);
    auto component = ACFPtr<AAX_IACFComponentDescriptor>::Create(host.Unknown(), AAXCompID_AAXComponentDescriptor,
                                                                 IID_IAAXComponentDescriptorV1);
    ASSERT_TRUE(collection && effect && component);
    // Host objects of the wrong kind stand in for objects this host did not make.
    EXPECT_EQ(collection->AddEffect("Fx", component.Get()), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(collection->AddEffect("Fx", nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(collection->AddPackageName(nullptr), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ(effect->AddComponent(effect.Get()), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(effect->AddName(nullptr), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ(effect->AddProcPtr(nullptr, kAAX_ProcPtrID_Create_EffectParameters), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ(component->AddProcessProc_Native(NoProcess, effect.Get(), nullptr, nullptr, nullptr),
              AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(component->AddProcessProc_Native(nullptr, nullptr, nullptr, nullptr, nullptr), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ(component->AddMIDINode(5, AAX_eMIDINodeType_LocalInput, nullptr, 0xFFFF), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ(component->AddSampleRate(6), AAX_ERROR_UNIMPLEMENTED);
    ASSERT_EQ(effect->AddComponent(component.Get()), AAX_SUCCESS);
    ASSERT_EQ(collection->AddEffect("Fx", effect.Get()), AAX_SUCCESS);

    const PackageDescription& package = FindOwn<RecordingCollection>(collection.Get())->Description();
    ASSERT_EQ(package.effects.size(), 1u);
    EXPECT_TRUE(package.packageNames.empty());
    EXPECT_TRUE(package.effects[0].names.empty());
    EXPECT_TRUE(package.effects[0].procPtrs.empty());
    ASSERT_EQ(package.effects[0].components.size(), 1u);
    EXPECT_TRUE(package.effects[0].components[0].fields.empty());
    EXPECT_TRUE(package.effects[0].components[0].processProcedures.empty());
}

}  // namespace
