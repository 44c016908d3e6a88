#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "aax/AAX_VCollection.h"
#include "AcfTestHost.h"

namespace {

// A host collection that logs every call and keeps every object it made, so a test can
// check that the module gave back each reference it was handed.
using Log = std::vector<std::string>;

class HostPropertyMap : public TestAcfObject<AAX_IACFPropertyMap, IID_IAAXPropertyMapV1> {
public:
    explicit HostPropertyMap(Log& log) : log_(log) {}
    AAX_Result AddProperty(AAX_EProperty property, AAX_CPropertyValue value) noexcept override {
        log_.push_back(std::string(AAX_PropertyName(property)) + " = " + std::to_string(value));
        return AAX_SUCCESS;
    }

private:
    Log& log_;
};

class HostComponent : public TestAcfObject<AAX_IACFComponentDescriptor, IID_IAAXComponentDescriptorV1> {
public:
    explicit HostComponent(Log& log) : log_(log) {}
    AAX_Result AddAudioIn(AAX_CFieldIndex field) noexcept override { return Note("audio in", field); }
    AAX_Result AddAudioOut(AAX_CFieldIndex field) noexcept override { return Note("audio out", field); }
    AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) noexcept override { return Note("buffer length", field); }
    AAX_Result AddPrivateData(AAX_CFieldIndex field, std::int32_t size, std::uint32_t) noexcept override {
        return Note("private data of " + std::to_string(size) + " bytes", field);
    }
    AAX_Result AddSideChainIn(AAX_CFieldIndex field) noexcept override { return Note("side chain", field); }
    AAX_Result AddAuxOutputStem(AAX_CFieldIndex field, AAX_EStemFormat stem, const char* name) noexcept override {
        return Note(std::string(StemFormatName(stem)) + " aux stem " + name, field);
    }
    AAX_Result AddMIDINode(AAX_CFieldIndex field, AAX_EMIDINodeType, const char* name, std::uint32_t) noexcept override {
        return Note(std::string("MIDI node ") + name, field);
    }
    AAX_IACFPropertyMap* NewPropertyMap() noexcept override {
        maps.push_back(std::make_unique<HostPropertyMap>(log_));
        maps.back()->AddRef();
        return maps.back().get();
    }
    AAX_Result AddProcessProc_Native(AAX_CProcessProc proc, AAX_IACFPropertyMap* properties) noexcept override {
        log_.push_back(std::string("process procedure") + (proc != nullptr ? "" : " (null)") +
                       (properties == maps.front().get() ? " with the first map" : " with another map"));
        return AAX_SUCCESS;
    }

    std::vector<std::unique_ptr<HostPropertyMap>> maps;

private:
    AAX_Result Note(const std::string& what, AAX_CFieldIndex field) {
        log_.push_back(what + " at field " + std::to_string(field));
        return AAX_SUCCESS;
    }
    Log& log_;
};

class HostEffect : public TestAcfObject<AAX_IACFEffectDescriptor, IID_IAAXEffectDescriptorV1> {
public:
    explicit HostEffect(Log& log) : log_(log) {}
    AAX_Result AddName(const char* name) noexcept override { return Note(std::string("name ") + name); }
    AAX_Result AddCategory(std::uint32_t category) noexcept override {
        return Note("category " + std::to_string(category));
    }
    AAX_Result AddProcPtr(AAX_CreateObjectProc proc, AAX_CProcPtrID id) noexcept override {
        return Note("factory " + std::to_string(id) + (proc() == nullptr ? " makes nothing" : " makes something"));
    }
    AAX_Result AddResourceInfo(AAX_EResourceType type, const char* info) noexcept override {
        return Note("resource " + std::to_string(type) + " " + info);
    }
    AAX_IACFComponentDescriptor* NewComponentDescriptor() noexcept override {
        if (refuseComponents) return nullptr;
        components.push_back(std::make_unique<HostComponent>(log_));
        components.back()->AddRef();
        return components.back().get();
    }
    AAX_Result AddComponent(AAX_IACFComponentDescriptor* component) noexcept override {
        return Note(component == components.front().get() ? "component 1" : "another component");
    }

    bool refuseComponents = false;
    std::vector<std::unique_ptr<HostComponent>> components;

private:
    AAX_Result Note(const std::string& what) {
        log_.push_back(what);
        return AAX_SUCCESS;
    }
    Log& log_;
};

class HostCollection : public TestAcfObject<AAX_IACFCollection, IID_IAAXCollectionV1> {
public:
    AAX_IACFEffectDescriptor* NewDescriptor() noexcept override {
        effects.push_back(std::make_unique<HostEffect>(log));
        effects.back()->AddRef();
        return effects.back().get();
    }
    AAX_Result AddEffect(const char* id, AAX_IACFEffectDescriptor* descriptor) noexcept override {
        log.push_back(std::string("effect ") + id + (descriptor == effects.front().get() ? " (first)" : ""));
        return AAX_SUCCESS;
    }
    AAX_Result SetManufacturerName(const char* name) noexcept override {
        log.push_back(std::string("manufacturer ") + name);
        return AAX_SUCCESS;
    }
    AAX_Result AddPackageName(const char* name) noexcept override {
        log.push_back(std::string("package ") + name);
        return AAX_SUCCESS;
    }
    AAX_Result SetPackageVersion(std::uint32_t version) noexcept override {
        log.push_back("version " + std::to_string(version));
        return AAX_SUCCESS;
    }

    Log log;
    std::vector<std::unique_ptr<HostEffect>> effects;
};

IACFUnknown* MakeNothing() noexcept { return nullptr; }
void ProcessNothing(void* const[], const void* const) noexcept {}

TEST(CollectionWrapper, PassesEveryDescriptionCallToTheHostInOrder) {
    HostCollection host;
    {
        AAX_VCollection collection(&host);
        collection.SetManufacturerName("Lumetra");
        collection.SetPackageVersion(9010);
        collection.AddPackageName("Example");
        AAX_IEffectDescriptor* effect = collection.NewDescriptor();
        ASSERT_NE(effect, nullptr);
        effect->AddName("Example Stereo");
        effect->AddCategory(0x2);
        effect->AddProcPtr(&MakeNothing, AAX_eProcPtrID_Create_EffectGUI);
        effect->AddResourceInfo(AAX_eResourceType_PageTable, "AAXPageTables.xml");
        AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
        ASSERT_NE(component, nullptr);
        component->AddAudioIn(AAX_eContextField_AudioIn);
        component->AddPrivateData(AAX_eContextField_PrivateData, 8, 1);
        component->AddAuxOutputStem(AAX_eContextField_AudioOut, AAX_eStemFormat_Stereo, "Aux 1");
        AAX_IPropertyMap* properties = component->NewPropertyMap();
        ASSERT_NE(properties, nullptr);
        properties->AddProperty(AAX_eProperty_OutputStemFormat, AAX_eStemFormat_None);
        EXPECT_EQ(component->AddProcessProc_Native(&ProcessNothing, properties), AAX_SUCCESS);
        EXPECT_EQ(effect->AddComponent(component), AAX_SUCCESS);
        EXPECT_EQ(collection.AddEffect("Fx Stereo", effect), AAX_SUCCESS);

        void* handedBack = nullptr;
        ASSERT_EQ(collection.GetIUnknown()->QueryInterface(IID_IAAXCollectionV1, &handedBack), ACF_OK);
        EXPECT_EQ(handedBack, static_cast<void*>(static_cast<AAX_IACFCollection*>(&host)));
        host.Release();
    }
    EXPECT_EQ(host.log, (Log{
                            "manufacturer Lumetra",
                            "version 9010",
                            "package Example",
                            "name Example Stereo",
                            "category 2",
                            "factory 1 makes nothing",
                            "resource 1 AAXPageTables.xml",
                            "audio in at field 0",
                            "private data of 8 bytes at field 3",
                            "Stereo aux stem Aux 1 at field 1",
                            "AAX_eProperty_OutputStemFormat = -65536",
                            "process procedure with the first map",
                            "component 1",
                            "effect Fx Stereo (first)",
                        }));
}

TEST(CollectionWrapper, GivesBackEveryHostObjectItWasHanded) {
    HostCollection host;
    {
        AAX_VCollection collection(&host);
        AAX_IEffectDescriptor* effect = collection.NewDescriptor();
        AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
        component->NewPropertyMap();
        component->NewPropertyMap();
        effect->NewComponentDescriptor();
        EXPECT_EQ(host.references, 2u);
    }
    EXPECT_EQ(host.references, 1u);
    ASSERT_EQ(host.effects.size(), 1u);
    EXPECT_EQ(host.effects[0]->references, 1u);
    ASSERT_EQ(host.effects[0]->components.size(), 2u);
    for (const auto& component : host.effects[0]->components) EXPECT_EQ(component->references, 1u);
    ASSERT_EQ(host.effects[0]->components[0]->maps.size(), 2u);
    for (const auto& map : host.effects[0]->components[0]->maps) EXPECT_EQ(map->references, 1u);
}

TEST(CollectionWrapper, AHostWithoutACollectionOrAComponentGivesNullObject) {
    RecordingController notACollection;
    AAX_VCollection nothing(&notACollection);
    EXPECT_EQ(nothing.NewDescriptor(), nullptr);
    EXPECT_EQ(nothing.SetManufacturerName("x"), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(nothing.AddEffect("x", nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(nothing.GetIUnknown(), nullptr);

    HostCollection host;
    AAX_VCollection collection(&host);
    AAX_IEffectDescriptor* effect = collection.NewDescriptor();
    host.effects[0]->refuseComponents = true;
    EXPECT_EQ(effect->NewComponentDescriptor(), nullptr);
    EXPECT_EQ(effect->AddComponent(nullptr), AAX_ERROR_NULL_OBJECT);
}

}  // namespace
