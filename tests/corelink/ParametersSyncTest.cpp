// Parameter synchronisation between host and core, and the core's smaller requests:
// automation, the core's edits and gestures, latency, notifications, editor resizes,
// commands and the private-data field. The core calls back through the test core, as a
// real core would.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "ParametersScenario.h"
#include "aax/AAX_CString.h"
#include "aaxhost/HostObject.h"
#include "hook/HookCallback.h"
#include "support/StringPrinting.h"
#include "util/Trackable.h"

namespace {

using Values = std::vector<std::pair<std::uint32_t, float>>;
using Log = std::vector<std::string>;

// Gain (Float 0..10), Hidden (not exposed), Mute (Bool), Mode (Int 0..4).
std::vector<CoreParameter> SyncParameters() {
    return {{"Gain", kParameterFloat, 0.0f, 10.0f, 0.0f},
            {"Hidden", kParameterFloat, 0.0f, 1.0f, 0.0f, 1, false},
            {"Mute", kParameterBool},
            {"Mode", kParameterInt, 0.0f, 4.0f, 0.0f}};
}

struct SyncScenario : ParametersScenario {
    SyncScenario() {
        SetCoreParameters(SyncParameters());
        parameters = Make();
        EXPECT_EQ(Initialize(*parameters), AAX_SUCCESS);
        Mark();
    }

    std::uint32_t Edit(std::uint32_t operation, std::uint32_t coreIndex, float value) {
        ParameterEditRecord record{operation, coreIndex, value};
        return CallHook(*parameters, 1, 0, &record);
    }

    Log HostLog() { return Automation(*parameters); }

    Parameters* parameters = nullptr;
};

TEST(ParametersAutomation, HostValuesReachTheCoreAsRealValuesByKind) {
    SyncScenario s;
    EXPECT_EQ(s.parameters->UpdateParameterNormalizedValue("Gain", 0.25, AAX_eUpdateSource_Unspecified), AAX_SUCCESS);
    EXPECT_EQ(s.parameters->UpdateParameterNormalizedValue("Mute", 0.7, AAX_eUpdateSource_Parameter), AAX_SUCCESS);
    EXPECT_EQ(s.parameters->UpdateParameterNormalizedValue("Mode", 0.76, AAX_eUpdateSource_Unspecified), AAX_SUCCESS);
    EXPECT_EQ(s.ValuesSent(), (Values{{0, 2.5f}, {2, 1.0f}, {3, 3.0f}}));

    double stored = 0.0;
    s.parameters->GetParameterNormalizedValue("Mode", &stored);
    EXPECT_DOUBLE_EQ(stored, 0.75) << "stored as the host gave it, on the parameter's steps";
    std::int32_t changes = -1;
    s.parameters->GetNumberOfChanges(&changes);
    EXPECT_EQ(changes, 0) << "host updates are not counted as the base would";
}

TEST(ParametersAutomation, UnknownIdentifiersAndRowsOfNoKnownKindSendNothing) {
    ParametersScenario scenario;
    scenario.SetCoreParameters({{"Gain"}, {"Odd", 7, 0.0f, 4.0f}});
    const auto parameters = scenario.Make();
    ASSERT_EQ(scenario.Initialize(*parameters), AAX_SUCCESS);
    scenario.Mark();

    EXPECT_EQ(parameters->UpdateParameterNormalizedValue("Nope", 0.5, AAX_eUpdateSource_Unspecified),
              AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ(parameters->UpdateParameterNormalizedValue(nullptr, 0.5, AAX_eUpdateSource_Unspecified),
              AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ(parameters->UpdateParameterNormalizedValue("Odd", 0.5, AAX_eUpdateSource_Unspecified),
              AAX_ERROR_INVALID_PARAMETER_ID);
    double stored = 0.0;
    parameters->GetParameterNormalizedValue("Odd", &stored);
    EXPECT_DOUBLE_EQ(stored, 0.5) << "the value stays stored";
    EXPECT_TRUE(scenario.Calls().empty());
}

TEST(ParametersCoreEdits, CoreValuesBecomeTheParametersKind) {
    struct Case {
        std::uint32_t coreIndex;
        float value;
        const char* set;
    };
    const Case cases[] = {
        {2, 0.4f, "set Mute 1"},   {2, 0.0f, "set Mute 0"},    {2, std::nanf(""), "set Mute 1"},
        {3, 2.9f, "set Mode 0.5"}, {3, -0.5f, "set Mode 0"},   {3, std::nanf(""), "set Mode 0"},
        {3, 1e30f, "set Mode 1"},  {0, 7.5f, "set Gain 0.75"},
    };
    for (const Case& c : cases) {
        SyncScenario s;
        s.Edit(1, c.coreIndex, c.value);
        ASSERT_EQ(s.HostLog().size(), 3u);
        EXPECT_EQ(s.HostLog()[1], c.set) << c.coreIndex << " " << c.value;
    }
}

// A bare set is touched and released and comes back as the host's value; begin, set,
// set, end is one touch and one release.
TEST(ParametersCoreEdits, BareSetIsOneEditAndBeginSetSetEndIsOneTouchAndOneRelease) {
    SyncScenario s;
    EXPECT_EQ(s.Edit(1, 2, 0.4f), 0u);
    EXPECT_EQ(s.HostLog(), (Log{"touch Mute", "set Mute 1", "release Mute"}));
    EXPECT_EQ(s.ValuesSent(), (Values{{2, 1.0f}})) << "the host's answer reaches the core";
    EXPECT_FALSE(s.parameters->Rows()[1].touchedByCore);
    s.Mark();
    s.Edit(0, 0, 0.0f);
    EXPECT_TRUE(s.parameters->Rows()[0].touchedByCore);
    s.Edit(1, 0, 2.0f);
    s.Edit(1, 0, 4.0f);
    s.Edit(2, 0, 0.0f);
    const Log log = s.HostLog();
    EXPECT_EQ(Log(log.begin() + 3, log.end()), (Log{"touch Gain", "set Gain 0.2", "set Gain 0.4", "release Gain"}));
    EXPECT_FALSE(s.parameters->Rows()[0].touchedByCore);
    EXPECT_EQ(s.ValuesSent(), (Values{{0, 2.0f}, {0, 4.0f}}));
}

TEST(ParametersCoreEdits, UnknownUnexposedAndUnregisteredParametersAreIgnored) {
    SyncScenario s;
    EXPECT_EQ(s.Edit(1, 1, 0.5f), 0u);
    EXPECT_EQ(s.Edit(1, 4, 0.5f), 0u);
    EXPECT_EQ(s.Edit(1, 0xFFFFFFFF, 0.5f), 0u);
    EXPECT_EQ(s.Edit(3, 0, 0.5f), 0u);
    EXPECT_TRUE(s.HostLog().empty());

    const auto uninitialised = s.Make();
    ParameterEditRecord record{1, 0, 5.0f};
    EXPECT_EQ(s.CallHook(*uninitialised, 1, 0, &record), 0u) << "no parameter registered yet";
    EXPECT_TRUE(s.HostLog().empty());
}

struct GestureScenario : SyncScenario {
    GestureScenario() : view(aaxhost::MakeHostObject<aaxhost::SimulatedViewContainer>(nullptr)) {
        view->SetModifiers(0x100);
        editor.Attach(*view.Get());
        parameters->SetEditor(&editor);
    }
    ~GestureScenario() { parameters->SetEditor(nullptr); }

    Log Mouse() const {
        Log described;
        for (const aaxhost::MouseEvent& event : view->MouseEvents())
            described.push_back(aaxhost::DescribeMouseEvent(event));
        return described;
    }

    // The gesture, in a buffer whose bytes after the record read as core index 0.
    std::uint32_t Gesture(std::uint32_t operation, std::vector<std::uint32_t> indices, std::uint32_t count,
                          std::uint32_t button = 0, std::uint32_t modifier2 = 0) {
        std::memset(buffer, 0, sizeof buffer);
        GestureRecord& record = *reinterpret_cast<GestureRecord*>(buffer);
        record.operation = operation;
        record.button = button;
        record.modifier2 = modifier2;
        for (std::size_t i = 0; i < indices.size() && i < kMaxGestureParameters; ++i)
            record.coreIndices[i] = indices[i];
        record.indexCount = count;
        record.result = 0xEE;
        EXPECT_EQ(CallHook(*parameters, 15, 0, &record), 0u);
        return record.result;
    }

    ACFPtr<aaxhost::SimulatedViewContainer> view;
    RecordingEditor editor;
    alignas(8) std::uint8_t buffer[512];
};

TEST(ParametersGestures, OneParameterUsesTheSingleFormsSeveralTheMultipleFormsSkippingUnknownIndices) {
    GestureScenario s;
    EXPECT_EQ(s.Gesture(0, {3}, 1, 1, 1), 1u);
    EXPECT_EQ(s.Gesture(1, {3}, 1), 1u);
    EXPECT_EQ(s.Gesture(2, {0}, 1), 1u);
    EXPECT_EQ(s.Gesture(1, {0, 1, 99, 2}, 4), 1u);
    EXPECT_EQ(s.Gesture(0, std::vector<std::uint32_t>(32, 2), 40), 1u) << "only the record's 32 indices are read";
    std::string many = "multiple down ";
    for (int i = 0; i < 32; ++i) many += (i ? ",Mute" : "Mute");
    EXPECT_EQ(s.Mouse(), (Log{"down Mode 0x112", "drag Mode 0x100", "up Gain 0x100", "multiple drag Gain,Mute 0x100",
                              many + " 0x100"}))
        << "button 1 adds 16 and modifier 2 adds 2 to the host's 0x100";
}

TEST(ParametersGestures, AnswerFalseWithoutParametersEditorContainerModifiersOrAcceptance) {
    GestureScenario s;
    EXPECT_EQ(s.Gesture(0, {1, 99}, 2), 0u) << "all unexposed";
    EXPECT_EQ(s.Gesture(0, {0}, 0), 0u) << "none given";
    EXPECT_EQ(s.Gesture(3, {0}, 1), 0u) << "unknown operation";
    EXPECT_TRUE(s.Mouse().empty());

    s.view->SetMouseResult(AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(s.Gesture(0, {0}, 1), 0u) << "the host refused";
    s.view->SetMouseResult(AAX_SUCCESS);
    s.view->SetModifiersResult(AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(s.Gesture(0, {0}, 1), 0u) << "no modifiers";
    s.view->SetModifiersResult(AAX_SUCCESS);
    s.editor.container.reset();
    EXPECT_EQ(s.Gesture(0, {0}, 1), 0u) << "no view container";
    s.parameters->SetEditor(nullptr);
    EXPECT_EQ(s.Gesture(0, {0}, 1), 0u) << "no editor";
    EXPECT_EQ(s.Mouse().size(), 1u);
}

TEST(ParametersLatency, CoreLatencyReachesTheHostAndSizesTheHookBypassUnlessTheCoreBypassesItself) {
    SyncScenario s;
    LatencyRecord latency{512};
    EXPECT_EQ(s.CallHook(*s.parameters, 2, 0, &latency), 0u);
    EXPECT_EQ(s.Controller(*s.parameters).LatencyReports().back(), 512);
    EXPECT_EQ(s.parameters->BypassLines().LineLength(), 512u);
    EXPECT_EQ(s.parameters->BypassLines().LineCount(), 2u) << "stereo, no side chain or aux outputs";
    EXPECT_EQ(s.parameters->BypassLines().Latency(), 512u);

    // With the core's own bypass only the host is told, up to its largest latency.
    s.SetCoreParameters({{"Power", kParameterBool, 0.0f, 1.0f, 0.0f, 0}});
    const auto own = s.Make();
    ASSERT_EQ(s.Initialize(*own), AAX_SUCCESS);
    latency.samples = 0x90000000u;
    EXPECT_EQ(s.CallHook(*own, 2, 0, &latency), 0u);
    EXPECT_EQ(s.Controller(*own).LatencyReports().back(), 0x7FFFFFFF);
    EXPECT_EQ(own->BypassLines().LineCount(), 0u);
}

TEST(ParametersNotifications, PreviewAndProcessingStatesReachTheCoreAsEvents) {
    SyncScenario s;
    auto notify = [&](AAX_CTypeID type, std::int32_t value, std::uint32_t size = 4) {
        EXPECT_EQ(s.parameters->NotificationReceived(type, &value, size), AAX_SUCCESS);
    };
    notify(AAX_eNotificationEvent_ASPreviewState, 1);
    notify(AAX_eNotificationEvent_ASPreviewState, 1);
    EXPECT_TRUE(s.parameters->PreviewActive());
    notify(AAX_eNotificationEvent_ASPreviewState, 0);
    notify(AAX_eNotificationEvent_ASProcessingState, 2);
    notify(AAX_eNotificationEvent_ASProcessingState, 3);
    notify(AAX_eNotificationEvent_ASProcessingState, 4);
    notify(AAX_eNotificationEvent_ASProcessingState, 2, 8);
    notify(AAX_eNotificationEvent_ASPreviewState, 1, 2);

    std::vector<std::uint32_t> events;
    for (const TestCoreCall& call : s.CallsOf(42)) {
        EXPECT_EQ(call.info.argument, 0u);
        EXPECT_EQ(call.As<NotifyRecord>().value, 0u);
        EXPECT_EQ(call.As<NotifyRecord>().pointer, 0u);
        events.push_back(call.As<NotifyRecord>().event);
    }
    EXPECT_EQ(events, (std::vector<std::uint32_t>{0x4460006, 0x4460007, 0x4460001, 0x4460000}));
    EXPECT_FALSE(s.parameters->PreviewActive());
}

TEST(ParametersNotifications, TrackNameIsStoredAndAnnouncedToTheCore) {
    SyncScenario s;
    const AAX_CString name("Lead Vox");
    EXPECT_EQ(s.parameters->NotificationReceived(AAX_eNotificationEvent_TrackNameChanged, &name, 0), AAX_SUCCESS);
    EXPECT_EQ(s.parameters->TrackName(), Util::String("Lead Vox"));
    EXPECT_EQ(s.CallsOf(40).size(), 1u);
    EXPECT_EQ(s.parameters->NotificationReceived(AAX_eNotificationEvent_TrackNameChanged, nullptr, 0), AAX_SUCCESS);
}

TEST(ParametersFields, PrivateDataFieldCarriesTheHookAndOtherFieldsStayUntouched) {
    SyncScenario s;
    std::uint8_t data[16];
    std::memset(data, 0xAB, sizeof data);
    EXPECT_EQ(s.parameters->ResetFieldData(2, data, sizeof data), AAX_SUCCESS);
    for (std::uint8_t byte : data) EXPECT_EQ(byte, 0xAB);

    EXPECT_EQ(s.parameters->ResetFieldData(3, data, sizeof data), AAX_SUCCESS);
    PluginHook* hook = nullptr;
    std::memcpy(&hook, data, sizeof hook);
    EXPECT_EQ(hook, static_cast<PluginHook*>(s.parameters));
    EXPECT_EQ(data[8], 0xAB);

    std::uint8_t small[4] = {1, 2, 3, 4};
    EXPECT_EQ(s.parameters->ResetFieldData(3, small, sizeof small), AAX_SUCCESS);
    EXPECT_EQ(small[0], 1) << "a block too small for the address is left alone";
}

TEST(ParametersEditor, CoreResizesGoToTheEditorWhoseAnswerIsTheStatus) {
    SyncScenario s;
    EditorSizeRecord size{640, 480};
    EXPECT_EQ(s.CallHook(*s.parameters, 11, 0, &size), 7u) << "no editor yet";
    RecordingEditor editor;
    s.parameters->SetEditor(&editor);
    EXPECT_EQ(s.CallHook(*s.parameters, 11, 0, &size), 0u);
    editor.accept = false;
    EXPECT_EQ(s.CallHook(*s.parameters, 11, 0, &size), 7u);
    EXPECT_EQ(editor.sizes, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{640, 480}, {640, 480}}));
    s.parameters->SetEditor(nullptr);
}

class Listener : public Util::Trackable {
public:
    int heard = 0;
};

TEST(ParametersCommands, AnalysisCommandEmitsTheChangeSignalOthersAreUnknownAndCapabilitiesAnswerOne) {
    SyncScenario s;
    Listener listener;
    s.parameters->ChangeSignal().connect(listener, [&listener] { ++listener.heard; });
    CoreCommandRecord command{0x4460FCEA, 0, 0};
    EXPECT_EQ(s.CallHook(*s.parameters, 21, 0, &command), 0u);
    command.code = 0x4460FCEB;
    EXPECT_EQ(s.CallHook(*s.parameters, 21, 0, &command), 5u);
    EXPECT_EQ(listener.heard, 1);

    CapabilityAnswerRecord answer{0};
    EXPECT_EQ(s.CallHook(*s.parameters, 10, 0, &answer), 0u);
    EXPECT_EQ(answer.answer, 1u);
    CapabilitiesRecord capabilities{7, 7, 7};
    EXPECT_EQ(s.CallHook(*s.parameters, 18, 0, &capabilities), 0u);
    EXPECT_EQ((std::vector<std::uint32_t>{capabilities.a, capabilities.b, capabilities.c}),
              (std::vector<std::uint32_t>{1, 1, 1}));
}

}  // namespace
