// The host simulator's own objects, as a module built with another compiler reaches
// them: found by the published interface IDs and called only through raw slots whose
// index and signature come from the published table. Each probe passes recognisable
// arguments and checks what the host recorded or answered.

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "aax/AAX_CString.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfbaseapi.h"
#include "aaxhost/HostObject.h"
#include "aaxhost/RegistrationHost.h"
#include "aaxhost/SelectionDelegate.h"
#include "aaxhost/SimulatedController.h"
#include "aaxhost/SimulatedMIDINode.h"
#include "aaxhost/SimulatedTransport.h"
#include "aaxhost/SimulatedViewContainer.h"
#include "conformance/SlotProbe.h"

namespace conformance {
namespace {

constexpr acfResult kNoInterface = static_cast<acfResult>(0x80000004u);  // ACF_E_NOINTERFACE as published
constexpr std::uint8_t kGuard = 0xEE;
using ID = Ref<const acfIID>;

// The interface `iid` of `object` through its raw QueryInterface slot (an added
// reference, released when the test's objects go), or null.
void* Query(void* object, const acfIID& iid) {
    void* found = nullptr;
    const acfResult result = SlotProbe(object, "IACFUnknown").Call<acfResult>("QueryInterface", ID{&iid}, &found);
    if (result != ACF_OK) return nullptr;
    SlotProbe(found, "IACFUnknown").Call<std::uint32_t>("Release");  // the host object keeps it alive
    return found;
}

void ExpectAnswersAll(void* object, const std::vector<const acfIID*>& offered, const acfIID& refused) {
    for (const acfIID* iid : offered) {
        char text[39];
        EXPECT_NE(Query(object, *iid), nullptr) << AcfIIDText(*iid, text);
    }
    void* none = &none;
    EXPECT_EQ(SlotProbe(object, "IACFUnknown").Call<acfResult>("QueryInterface", ID{&refused}, &none), kNoInterface);
    EXPECT_EQ(none, nullptr);
}

TEST(HostObjects, ControllerAnswersEveryVersionAndServesEachSlotByItsPublishedName) {
    ACFPtr<aaxhost::SimulatedController> host = aaxhost::MakeHostObject<aaxhost::SimulatedController>();
    host->SetSampleRate(44100.0f);
    host->SetStemFormats(AAX_eStemFormat_Mono, AAX_eStemFormat_Stereo);
    host->SetHostName("Probe Host 1.2");
    host->SetEffectID("com.probe.effect");
    host->SetIsAudioSuite(true);
    void* object = host->AsInterface();
    ExpectAnswersAll(object,
                     {&IID_IAAXControllerV1, &IID_IAAXControllerV2, &IID_IAAXControllerV3, &IID_IAAXControllerV4,
                      &IID_IAAXControllerV5, &IID_IAAXAutomationDelegateV1, &IID_IACFComponentFactory},
                     IID_IAAXEffectGUIV1);

    SlotProbe controller(Query(object, IID_IAAXControllerV5), "AAX_IACFController_V5");
    float rate = 0.0f;
    EXPECT_EQ(controller.Call<AAX_Result>("GetSampleRate", &rate), AAX_SUCCESS);
    EXPECT_EQ(rate, 44100.0f);
    AAX_CString text;
    EXPECT_EQ(controller.Call<AAX_Result>("GetEffectID", static_cast<AAX_IString*>(&text)), AAX_SUCCESS);
    EXPECT_EQ(text.StdString(), "com.probe.effect");
    std::int32_t stem = 0;
    EXPECT_EQ(controller.Call<AAX_Result>("GetInputStemFormat", &stem), AAX_SUCCESS);
    EXPECT_EQ(static_cast<std::uint32_t>(stem), static_cast<std::uint32_t>(AAX_eStemFormat_Mono));
    EXPECT_EQ(controller.Call<AAX_Result>("GetOutputStemFormat", &stem), AAX_SUCCESS);
    EXPECT_EQ(static_cast<std::uint32_t>(stem), static_cast<std::uint32_t>(AAX_eStemFormat_Stereo));
    EXPECT_EQ(controller.Call<AAX_Result>("SetSignalLatency", 321), AAX_SUCCESS);
    std::int32_t latency = 0;
    EXPECT_EQ(controller.Call<AAX_Result>("GetSignalLatency", &latency), AAX_SUCCESS);
    EXPECT_EQ(latency, 321);
    EXPECT_EQ(host->LatencyReports(), std::vector<std::int32_t>{321});
    EXPECT_EQ(controller.Call<AAX_Result>("GetHostName", static_cast<AAX_IString*>(&text)), AAX_SUCCESS);
    EXPECT_EQ(text.StdString(), "Probe Host 1.2");
    std::uint8_t audioSuite[4];
    std::memset(audioSuite, kGuard, sizeof audioSuite);
    EXPECT_EQ(controller.Call<AAX_Result>("GetIsAudioSuite", &audioSuite[0]), AAX_SUCCESS);
    EXPECT_EQ(audioSuite[0], 1);
    EXPECT_EQ(audioSuite[1], kGuard);
    const std::int32_t payload = 0x01020304;
    EXPECT_EQ(controller.Call<AAX_Result>("SendNotification", AAX_CTypeID{0x50726F62},
                                          static_cast<const void*>(&payload), std::uint32_t{4}),
              AAX_SUCCESS);
    ASSERT_EQ(host->Notifications().size(), 1u);
    EXPECT_EQ(host->Notifications()[0].type, 0x50726F62u);

    // The component factory the controller answers makes host objects by component ID.
    SlotProbe factory(Query(object, IID_IACFComponentFactory), "IACFComponentFactory");
    void* made = &made;
    EXPECT_NE(factory.Call<acfResult>("CreateComponent", ID{&IID_IAAXEffectGUIV1}, static_cast<IACFUnknown*>(nullptr),
                                      ID{&IID_IAAXEffectGUIV1}, &made),
              ACF_OK);
    EXPECT_EQ(made, nullptr);
}

TEST(HostObjects, AutomationDelegateRecordsEachGestureThroughItsOwnSlot) {
    ACFPtr<aaxhost::SimulatedController> host = aaxhost::MakeHostObject<aaxhost::SimulatedController>();
    host->SetEchoValueRequests(false);
    SlotProbe automation(Query(host->AsInterface(), IID_IAAXAutomationDelegateV1), "AAX_IACFAutomationDelegate");
    EXPECT_EQ(automation.Call<AAX_Result>("RegisterParameter", "Probe"), AAX_SUCCESS);
    EXPECT_EQ(host->AutomationDelegate().Registered().count("Probe"), 1u);
    EXPECT_EQ(automation.Call<AAX_Result>("PostTouchRequest", "Probe"), AAX_SUCCESS);
    std::uint8_t touched[4];
    std::memset(touched, kGuard, sizeof touched);
    EXPECT_EQ(automation.Call<AAX_Result>("GetTouchState", "Probe", &touched[0]), AAX_SUCCESS);
    EXPECT_EQ(touched[0], 1);
    EXPECT_EQ(touched[1], kGuard);
    EXPECT_EQ(automation.Call<AAX_Result>("PostSetValueRequest", "Probe", 0.75), AAX_SUCCESS);
    EXPECT_EQ(automation.Call<AAX_Result>("PostReleaseRequest", "Probe"), AAX_SUCCESS);
    EXPECT_EQ(automation.Call<AAX_Result>("PostCurrentValue", "Probe", 0.375), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(host->AutomationDelegate().CurrentValues().at("Probe"), 0.375);
    const std::vector<aaxhost::AutomationEvent> events = host->Automation();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].kind, aaxhost::AutomationEvent::Kind::Touch);
    EXPECT_EQ(events[1].kind, aaxhost::AutomationEvent::Kind::Set);
    EXPECT_DOUBLE_EQ(events[1].value, 0.75);
    EXPECT_EQ(events[2].kind, aaxhost::AutomationEvent::Kind::Release);
    EXPECT_EQ(automation.Call<AAX_Result>("UnregisterParameter", "Probe"), AAX_SUCCESS);
    EXPECT_EQ(host->AutomationDelegate().Registered().count("Probe"), 0u);
}

TEST(HostObjects, TransportServesEveryVersionFromItsPublishedSlots) {
    aaxhost::TransportState state;
    state.tempo = 97.5;
    state.playing = true;
    state.selectionEnd = 123456;
    state.keySignature = 0x00040002u;
    ACFPtr<aaxhost::SimulatedTransport> host = aaxhost::MakeHostObject<aaxhost::SimulatedTransport>(state);
    void* object = host->AsInterface();
    ExpectAnswersAll(object,
                     {&IID_IAAXTransportV1, &IID_IAAXTransportV2, &IID_IAAXTransportV3, &IID_IAAXTransportV4,
                      &IID_IAAXTransportV5},
                     IID_IAAXControllerV1);
    SlotProbe transport(Query(object, IID_IAAXTransportV5), "AAX_IACFTransport_V5");
    double tempo = 0.0;
    EXPECT_EQ(transport.Call<AAX_Result>("GetCurrentTempo", &tempo), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(tempo, 97.5);
    bool playing[4];
    std::memset(playing, kGuard, sizeof playing);
    EXPECT_EQ(transport.Call<AAX_Result>("IsTransportPlaying", &playing[0]), AAX_SUCCESS);
    EXPECT_TRUE(playing[0]);
    std::int64_t end = 0;
    EXPECT_EQ(transport.Call<AAX_Result>("GetTimelineSelectionEndPosition", &end), AAX_SUCCESS);
    EXPECT_EQ(end, 123456);
    std::uint32_t key = 0;
    EXPECT_EQ(transport.Call<AAX_Result>("GetKeySignature", std::int64_t{0}, &key), AAX_SUCCESS);
    EXPECT_EQ(key, 0x00040002u);
}

TEST(HostObjects, MidiNodeIsAPlainObjectInMsvcSlotOrder) {
    aaxhost::SimulatedMIDINode node(AAX_eMIDINodeType_LocalInput, "probe");
    node.AddPacket(7, {0x90, 60, 100});
    SlotProbe probe(static_cast<AAX_IMIDINode*>(&node), "AAX_IMIDINode");
    AAX_CMidiStream* stream = probe.Call<AAX_CMidiStream*>("GetNodeBuffer");
    ASSERT_NE(stream, nullptr);
    ASSERT_EQ(stream->mBufferSize, 1u);
    EXPECT_EQ(stream->mBuffer[0].mTimestamp, 7u);
    AAX_CMidiPacket posted{3, 3, {0x80, 60, 0, 0}, 1};
    EXPECT_EQ(probe.Call<AAX_Result>("PostMIDIPacket", &posted), AAX_SUCCESS);
    ASSERT_EQ(node.Posted().size(), 1u);
    EXPECT_EQ(node.Posted()[0].mData[0], 0x80);
    EXPECT_EQ(node.Posted()[0].mIsImmediate, 1);
    EXPECT_EQ(probe.Call<AAX_ITransport*>("GetTransport"), nullptr);  // no controller given
}

TEST(HostObjects, ViewContainerServesEveryVersionFromItsPublishedSlots) {
    int window = 0;  // any address stands for the native view here
    ACFPtr<aaxhost::SimulatedViewContainer> host = aaxhost::MakeHostObject<aaxhost::SimulatedViewContainer>(&window);
    void* object = host->AsInterface();
    ExpectAnswersAll(object, {&IID_IAAXViewContainerV1, &IID_IAAXViewContainerV2, &IID_IAAXViewContainerV3},
                     IID_IAAXTransportV1);
    SlotProbe container(Query(object, IID_IAAXViewContainerV3), "AAX_IACFViewContainer_V3");
    EXPECT_EQ(container.Call<std::int32_t>("GetType"), 3);  // a Win32 window
    EXPECT_EQ(container.Call<void*>("GetPtr"), &window);
    AAX_Point size{200.0f, 300.0f};
    EXPECT_EQ(container.Call<AAX_Result>("SetViewSize", Ref<AAX_Point>{&size}), AAX_SUCCESS);
    ASSERT_EQ(host->ViewSizeRequests().size(), 1u);
    EXPECT_EQ(host->ViewSizeRequests()[0].horz, 300.0f);
    EXPECT_EQ(container.Call<AAX_Result>("HandleParameterMouseEnter", "Probe", std::uint32_t{0}), AAX_SUCCESS);
    EXPECT_EQ(container.Call<AAX_Result>("HandleParameterMouseDown", "Probe", std::uint32_t{0}), AAX_SUCCESS);
    ASSERT_EQ(host->MouseEvents().size(), 2u);
    EXPECT_EQ(host->MouseEvents()[1].kind, aaxhost::MouseEvent::Kind::Down);
}

TEST(HostObjects, OfflineDelegateServesEveryVersionFromItsPublishedSlots) {
    ACFPtr<aaxhost::SelectionDelegate> host =
        aaxhost::MakeHostObject<aaxhost::SelectionDelegate>(std::vector<std::vector<float>>{{0.5f, -0.5f, 0.25f}});
    host->SetBufferCapacity(16);
    void* object = host->AsInterface();
    ExpectAnswersAll(object,
                     {&IID_IAAXHostProcessorDelegateV1, &IID_IAAXHostProcessorDelegateV2,
                      &IID_IAAXHostProcessorDelegateV3},
                     IID_IAAXViewContainerV1);
    SlotProbe delegate(Query(object, IID_IAAXHostProcessorDelegateV3), "AAX_IACFHostProcessorDelegate_V3");
    // The host fills the buffers the processor hands it, from the location asked for.
    float samples[2] = {};
    const float* const buffers[1] = {samples};
    std::int32_t count = 2;
    EXPECT_EQ(delegate.Call<AAX_Result>("GetAudio", static_cast<const float* const*>(buffers), 1, std::int64_t{1},
                                        &count),
              AAX_SUCCESS);
    EXPECT_EQ(samples[0], -0.5f);
    EXPECT_EQ(samples[1], 0.25f);
    EXPECT_EQ(delegate.Call<std::int32_t>("GetSideChainInputNum"), 0);
    EXPECT_EQ(delegate.Call<AAX_Result>("ForceProcess"), AAX_SUCCESS);
    EXPECT_EQ(host->ForceProcessCount(), 1);
}

// Makes a host object through the raw CreateComponent slot of the host's factory.
void* Create(SlotProbe& factory, const acfUID& componentID, const acfIID& iid) {
    void* made = nullptr;
    EXPECT_EQ(factory.Call<acfResult>("CreateComponent", ID{&componentID}, static_cast<IACFUnknown*>(nullptr), ID{&iid},
                                      &made),
              ACF_OK);
    return made;
}

void ReleaseRaw(void* object) {
    if (object != nullptr) SlotProbe(object, "IACFUnknown").Call<std::uint32_t>("Release");
}

TEST(HostObjects, RegistrationObjectsComeFromTheFactoryAndRecordEachCallFromItsPublishedSlot) {
    aaxhost::RegistrationHost host;
    SlotProbe factory(Query(host.Unknown(), IID_IACFComponentFactory), "IACFComponentFactory");
    ASSERT_NE(factory.Object(), nullptr);

    void* collectionObject = Create(factory, AAXCompID_AAXCollection, IID_IAAXCollectionV1);
    ASSERT_NE(collectionObject, nullptr);
    ExpectAnswersAll(collectionObject, {&IID_IAAXCollectionV1, &IID_IACFPluginDefinition, &IID_IACFDefinition},
                     IID_IAAXEffectDescriptorV1);
    SlotProbe collection(collectionObject, "AAX_IACFCollection");
    void* effectObject = Create(factory, AAXCompID_AAXEffectDescriptor, IID_IAAXEffectDescriptorV2);
    void* componentObject = Create(factory, AAXCompID_AAXComponentDescriptor, IID_IAAXComponentDescriptorV3);
    void* mapObject = Create(factory, AAXCompID_AAXPropertyMap, IID_IAAXPropertyMapV3);
    void* servicesObject = Create(factory, AAXCompID_HostServices, IID_IAAXHostServicesV3);
    ASSERT_TRUE(effectObject && componentObject && mapObject && servicesObject);

    SlotProbe map(mapObject, "AAX_IACFPropertyMap_V3");
    EXPECT_EQ(map.Call<AAX_Result>("AddProperty", std::int32_t{11}, std::int32_t{0x50726F62}), AAX_SUCCESS);
    std::int32_t value = 0;
    EXPECT_EQ(map.Call<AAX_CBoolean>("GetProperty", std::int32_t{11}, &value), 1);
    EXPECT_EQ(value, 0x50726F62);

    SlotProbe component(componentObject, "AAX_IACFComponentDescriptor_V3");
    EXPECT_EQ(component.Call<AAX_Result>("AddAudioIn", 0), AAX_SUCCESS);
    EXPECT_EQ(component.Call<AAX_Result>("AddAudioOut", 1), AAX_SUCCESS);
    EXPECT_EQ(component.Call<AAX_Result>("AddPrivateData", 3, 40, 1), AAX_SUCCESS);

    SlotProbe effect(effectObject, "AAX_IACFEffectDescriptor_V2");
    EXPECT_EQ(effect.Call<AAX_Result>("AddName", "Probe Effect"), AAX_SUCCESS);
    EXPECT_EQ(effect.Call<AAX_Result>("AddCategory", std::uint32_t{0x2000}), AAX_SUCCESS);
    EXPECT_EQ(effect.Call<AAX_Result>("AddResourceInfo", 1, "Probe.xml"), AAX_SUCCESS);
    EXPECT_EQ(effect.Call<AAX_Result>("AddComponent", static_cast<IACFUnknown*>(componentObject)), AAX_SUCCESS);

    EXPECT_EQ(collection.Call<AAX_Result>("SetManufacturerName", "Probe Maker"), AAX_SUCCESS);
    EXPECT_EQ(collection.Call<AAX_Result>("AddPackageName", "Probe Package"), AAX_SUCCESS);
    EXPECT_EQ(collection.Call<AAX_Result>("SetPackageVersion", std::uint32_t{0x1234}), AAX_SUCCESS);
    EXPECT_EQ(collection.Call<AAX_Result>("AddEffect", "com.probe.effect", static_cast<IACFUnknown*>(effectObject)),
              AAX_SUCCESS);

    SlotProbe services(servicesObject, "AAX_IACFHostServices_V3");
    EXPECT_EQ(services.Call<AAX_Result>("Trace", std::int32_t{0x8000000}, "probe line"), AAX_SUCCESS);
    ASSERT_FALSE(host.Services().Traces().empty());
    EXPECT_EQ(host.Services().Traces().back().message, "probe line");

    std::vector<ACFPtr<aaxhost::RecordingCollection>> collections = host.TakeCollections();
    ASSERT_EQ(collections.size(), 1u);
    const aaxhost::PackageDescription& package = collections[0]->Description();
    EXPECT_EQ(package.manufacturerName, std::optional<std::string>("Probe Maker"));
    EXPECT_EQ(package.packageVersion, std::optional<std::uint32_t>(0x1234u));
    ASSERT_EQ(package.effects.size(), 1u);
    const aaxhost::EffectDescription& described = package.effects[0];
    EXPECT_EQ(described.identifier, "com.probe.effect");
    EXPECT_EQ(described.names, std::vector<std::string>{"Probe Effect"});
    EXPECT_EQ(described.categories, std::vector<std::uint32_t>{0x2000u});
    ASSERT_EQ(described.components.size(), 1u);
    ASSERT_EQ(described.components[0].fields.size(), 3u);
    EXPECT_EQ(described.components[0].fields[2].privateDataSize, 40);

    for (void* object : {collectionObject, effectObject, componentObject, mapObject, servicesObject})
        ReleaseRaw(object);
}

}  // namespace
}  // namespace conformance
