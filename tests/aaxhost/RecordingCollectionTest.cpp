// The recording collection as a module drives it, through the layer's own wrappers: what
// a host keeps when a module repeats, reorders or misuses description calls.

#include <gtest/gtest.h>

#include "aax/AAX_VCollection.h"
#include "aaxhost/RecordingCollection.h"

using namespace aaxhost;

namespace {

void NoProcess(void* const[], const void* const) noexcept {}

TEST(RecordingCollection, RepeatedPropertyKeepsItsFirstPlaceWithTheLastValue) {
    ACFPtr<RecordingCollection> collection = MakeHostObject<RecordingCollection>();
    AAX_VCollection module(collection->AsInterface());
    AAX_IEffectDescriptor* effect = module.NewDescriptor();
    AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
    AAX_IPropertyMap* map = component->NewPropertyMap();
    map->AddProperty(AAX_eProperty_InputStemFormat, AAX_eStemFormat_Mono);
    map->AddProperty(AAX_eProperty_OutputStemFormat, AAX_eStemFormat_Mono);
    map->AddProperty(AAX_eProperty_InputStemFormat, AAX_eStemFormat_Stereo);
    ASSERT_EQ(component->AddProcessProc_Native(NoProcess, map), AAX_SUCCESS);
    // Later additions to the map do not reach the procedure already registered.
    map->AddProperty(AAX_eProperty_Id60, 1);
    ASSERT_EQ(effect->AddComponent(component), AAX_SUCCESS);
    ASSERT_EQ(module.AddEffect("Fx", effect), AAX_SUCCESS);

    const ComponentDescription& recorded = collection->Description().effects.at(0).components.at(0);
    ASSERT_EQ(recorded.Properties().size(), 2u);
    EXPECT_EQ(DescribeProperty(recorded.Properties()[0]), "51=0x10002");
    EXPECT_EQ(DescribeProperty(recorded.Properties()[1]), "52=0x1");
}

TEST(RecordingCollection, EffectIsRecordedAsItStoodAtAddEffect) {
    ACFPtr<RecordingCollection> collection = MakeHostObject<RecordingCollection>();
    AAX_VCollection module(collection->AsInterface());
    AAX_IEffectDescriptor* effect = module.NewDescriptor();
    effect->AddName("Before");
    ASSERT_EQ(module.AddEffect("Fx", effect), AAX_SUCCESS);
    effect->AddName("After");
    ASSERT_EQ(module.AddEffect("Fx again", effect), AAX_SUCCESS);

    const auto& effects = collection->Description().effects;
    ASSERT_EQ(effects.size(), 2u);
    EXPECT_EQ(effects[0].names, (std::vector<std::string>{"Before"}));
    EXPECT_EQ(effects[1].names, (std::vector<std::string>{"Before", "After"}));
}

TEST(RecordingCollection, ForeignObjectsAndNullTextsAreRefusedAndNotRecorded) {
    ACFPtr<RecordingCollection> collection = MakeHostObject<RecordingCollection>();
    ACFPtr<RecordingCollection> other = MakeHostObject<RecordingCollection>();
    ACFPtr<AAX_IACFEffectDescriptor> foreign(other->NewDescriptor());
    EXPECT_EQ(collection->AddEffect("Fx", foreign.Get()), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(collection->AddEffect("Fx", nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(collection->AddPackageName(nullptr), AAX_ERROR_NULL_ARGUMENT);

    ACFPtr<AAX_IACFEffectDescriptor> effect(collection->NewDescriptor());
    ACFPtr<AAX_IACFComponentDescriptor> foreignComponent(foreign->NewComponentDescriptor());
    EXPECT_EQ(effect->AddComponent(foreignComponent.Get()), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(effect->AddName(nullptr), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ(effect->AddProcPtr(nullptr, 0), AAX_ERROR_NULL_ARGUMENT);

    ACFPtr<AAX_IACFComponentDescriptor> component(effect->NewComponentDescriptor());
    ACFPtr<AAX_IACFPropertyMap> foreignMap(foreignComponent->NewPropertyMap());
    EXPECT_EQ(component->AddProcessProc_Native(NoProcess, foreignMap.Get()), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(component->AddProcessProc_Native(nullptr, nullptr), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ(component->AddMIDINode(5, AAX_eMIDINodeType_LocalInput, nullptr, 0xFFFF), AAX_ERROR_NULL_ARGUMENT);
    ASSERT_EQ(effect->AddComponent(component.Get()), AAX_SUCCESS);
    ASSERT_EQ(collection->AddEffect("Fx", effect.Get()), AAX_SUCCESS);

    const PackageDescription& package = collection->Description();
    ASSERT_EQ(package.effects.size(), 1u);
    EXPECT_TRUE(package.packageNames.empty());
    EXPECT_TRUE(package.effects[0].names.empty());
    EXPECT_TRUE(package.effects[0].procPtrs.empty());
    ASSERT_EQ(package.effects[0].components.size(), 1u);
    EXPECT_TRUE(package.effects[0].components[0].fields.empty());
    EXPECT_TRUE(package.effects[0].components[0].processProcedures.empty());
}

}  // namespace
