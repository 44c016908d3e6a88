#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "OlderHost.h"
#include "aax/AAX_CBinaryDisplayDelegate.h"
#include "aax/AAX_CBinaryTaperDelegate.h"
#include "aax/AAX_CEffectParameters.h"
#include "aax/AAX_CLinearTaperDelegate.h"
#include "aax/AAX_CNumberDisplayDelegate.h"
#include "aax/AAX_CParameter.h"
#include "aax/AAX_CStringDisplayDelegate.h"
#include "aaxhost/EffectInstance.h"

namespace {

// An effect with three parameters, added in EffectInit as an effect does.
class ThreeParameterEffect : public AAX_CEffectParameters {
public:
    AAX_Result effectInitResult = AAX_SUCCESS;
    bool throwInEffectInit = false;
    int effectInitCalls = 0;
    bool controllerDuringEffectInit = false;

    using AAX_CEffectParameters::ParameterManager;

protected:
    AAX_Result EffectInit() override {
        ++effectInitCalls;
        controllerDuringEffectInit = Controller() != nullptr;
        if (throwInEffectInit) throw std::runtime_error("no");
        auto& manager = ParameterManager();
        manager.AddParameter(new AAX_CParameter<float>("Gain", "Gain", 0.0f,
                                                       AAX_CLinearTaperDelegate<float, 0>(-12.0f, 12.0f),
                                                       AAX_CNumberDisplayDelegate<float, 2, 0>(), true));
        auto* mode =
            new AAX_CParameter<std::int32_t>("Mode", "Mode", 1, AAX_CLinearTaperDelegate<std::int32_t, 1>(1, 4),
                                             AAX_CStringDisplayDelegate<std::int32_t>({{1, "A"}, {2, "B"}}), true);
        mode->SetNumberOfSteps(4);
        mode->SetType(AAX_eParameterType_Discrete);
        manager.AddParameter(mode);
        manager.AddParameter(new AAX_CParameter<bool>("Bypass", "Bypass", false, AAX_CBinaryTaperDelegate<bool>(),
                                                      AAX_CBinaryDisplayDelegate<bool>("off", "on"), false));
        return effectInitResult;
    }
};

// An effect created as a factory creates it, held by the host simulator's instance.
struct Instance {
    explicit Instance(const aaxhost::InstanceSetup& setup = {})
        : instance(ACFPtr<AAX_IACFEffectParameters>(effect), setup) {}
    AAX_IACFEffectParameters* Host() { return effect; }  // the host's view
    std::vector<std::string> Automation() const {
        std::vector<std::string> texts;
        for (const aaxhost::AutomationEvent& event : instance.Automation()) texts.push_back(DescribeAutomation(event));
        return texts;
    }

    ThreeParameterEffect* effect = new ThreeParameterEffect;
    aaxhost::EffectInstance instance;
};

std::vector<std::string> ParameterIDs(AAX_IACFEffectParameters* effect) {
    std::vector<std::string> ids;
    std::int32_t count = 0;
    EXPECT_EQ(effect->GetNumberOfParameters(&count), AAX_SUCCESS);
    for (std::int32_t index = 0; index < count; ++index) {
        AAX_CString id;
        EXPECT_EQ(effect->GetParameterIDFromIndex(index, &id), AAX_SUCCESS);
        ids.push_back(id.StdString());
    }
    return ids;
}

TEST(EffectParametersInitialize, CallsEffectInitOnceWithTheControllerAttachedAndReturnsItsResult) {
    Instance instance;
    EXPECT_EQ(instance.Host()->Initialize(nullptr), AAX_ERROR_NOT_INITIALIZED);
    EXPECT_EQ(instance.effect->effectInitCalls, 0) << "no controller, no EffectInit";
    instance.effect->effectInitResult = AAX_ERROR_INVALID_PARAMETER_ID;
    EXPECT_EQ(instance.instance.Initialize(), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ(instance.effect->effectInitCalls, 1);
    EXPECT_TRUE(instance.effect->controllerDuringEffectInit);

    Instance throwing;
    throwing.effect->throwInEffectInit = true;
    EXPECT_EQ(throwing.instance.Initialize(), AAX_ERROR_UNKNOWN_EXCEPTION);
}

TEST(EffectParametersInitialize, KeepsTheTransportOnlyWhenTheHostOffersOne) {
    aaxhost::InstanceSetup without;
    without.offerTransport = false;
    Instance plain(without);
    ASSERT_EQ(plain.instance.Initialize(), AAX_SUCCESS);
    EXPECT_NE(plain.effect->Controller(), nullptr);
    EXPECT_EQ(plain.effect->Transport(), nullptr);

    // A host whose transport is of the first version only.
    Instance instance;
    instance.instance.Transport()->Update([](aaxhost::TransportState& state) { state.playing = true; });
    IACFUnknown* controller = instance.instance.Controller().AsInterface();
    OlderHost older(controller, {IID_IAAXControllerV1, IID_IAAXControllerV2, IID_IAAXControllerV3, IID_IAAXControllerV4,
                                 IID_IAAXControllerV5, IID_IAAXAutomationDelegateV1, IID_IAAXTransportV1});
    const std::uint32_t controllerReferences = References(controller);
    const std::uint32_t transportReferences = References(instance.instance.Transport()->AsInterface());
    ASSERT_EQ(instance.Host()->Initialize(&older), AAX_SUCCESS);
    AAX_ITransport* transport = instance.effect->Transport();
    ASSERT_NE(transport, nullptr);
    double tempo = 0.0;
    bool playing = false;
    std::uint32_t ticks = 0;
    EXPECT_EQ(transport->GetCurrentTempo(&tempo), AAX_SUCCESS);
    EXPECT_EQ(transport->IsTransportPlaying(&playing), AAX_SUCCESS);
    EXPECT_EQ(transport->GetTicksPerQuarter(&ticks), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(tempo, 120.0);
    EXPECT_TRUE(playing);
    EXPECT_EQ(ticks, 960000u);
    // Later versions are never called on a host object that did not answer them.
    std::int64_t position = -1;
    EXPECT_EQ(transport->GetTimelineSelectionStartPosition(&position), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(transport->GetKeySignature(0, &ticks), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(transport->RequestTransportStart(), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(position, -1);
    EXPECT_EQ(instance.Host()->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ(older.references, 1u);
    EXPECT_EQ(References(controller), controllerReferences);
    EXPECT_EQ(References(instance.instance.Transport()->AsInterface()), transportReferences);
}

TEST(EffectParametersUninitialize, GivesBackTheHostObjectsAndUnregistersTheParameters) {
    Instance instance;
    IACFUnknown* controller = instance.instance.Controller().AsInterface();
    aaxhost::SimulatedAutomationDelegate& automation = instance.instance.Controller().AutomationDelegate();
    const std::uint32_t controllerReferences = References(controller);
    const std::uint32_t automationReferences = References(automation.AsInterface());
    ASSERT_EQ(instance.instance.Initialize(), AAX_SUCCESS);
    EXPECT_GT(References(controller), controllerReferences);
    EXPECT_GT(References(automation.AsInterface()), automationReferences);
    EXPECT_EQ(automation.Registered(), (std::set<std::string>{"Gain", "Mode", "Bypass"}));
    EXPECT_EQ(instance.instance.Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ(References(controller), controllerReferences);
    EXPECT_EQ(References(automation.AsInterface()), automationReferences);
    EXPECT_TRUE(automation.Registered().empty());
    EXPECT_EQ(instance.effect->Controller(), nullptr);
    EXPECT_EQ(instance.effect->AutomationDelegate(), nullptr);
    EXPECT_TRUE(ParameterIDs(instance.Host()).empty());
}

TEST(ParameterManager, KeepsInsertionOrderFindsByIdentifierAndPositionAndRefusesADuplicate) {
    Instance instance;
    ASSERT_EQ(instance.instance.Initialize(), AAX_SUCCESS);
    AAX_CParameterManager& manager = instance.effect->ParameterManager();
    EXPECT_EQ(manager.AddParameter(new AAX_CParameter<bool>("Gain", "Other", true, AAX_CBinaryTaperDelegate<bool>(),
                                                            AAX_CBinaryDisplayDelegate<bool>("a", "b"), true)),
              AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ(manager.AddParameter(nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(manager.GetParameterByID("Gain")->Name(), AAX_CString("Gain")) << "the first one stays";
    EXPECT_EQ(ParameterIDs(instance.Host()), (std::vector<std::string>{"Gain", "Mode", "Bypass"}));

    std::int32_t index = 99;
    EXPECT_EQ(instance.Host()->GetParameterIndex("Mode", &index), AAX_SUCCESS);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(instance.Host()->GetParameterIndex("Nothing", &index), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ(index, -1);
    EXPECT_EQ(manager.GetParameterByID("Bypass"), manager.GetParameter(2));
    EXPECT_EQ(manager.GetParameter(3), nullptr);
    EXPECT_EQ(manager.GetParameter(-1), nullptr);
    EXPECT_EQ(manager.GetParameterByID(nullptr), nullptr);
}

TEST(EffectParametersHostCalls, CutTextsToTheHostsLengthAndParseTextThroughTheDisplay) {
    Instance instance;
    ASSERT_EQ(instance.instance.Initialize(), AAX_SUCCESS);
    AAX_IACFEffectParameters* host = instance.Host();

    // Steps, types and texts of the parameter set are the core-link tests'; here the
    // base's own rules: texts cut to the host's length, and text to value.
    AAX_CString text;
    EXPECT_EQ(host->GetParameterStringFromValue("Mode", 1.0, &text, 6), AAX_SUCCESS);
    EXPECT_EQ(text, AAX_CString("String"));
    EXPECT_EQ(host->GetParameterValueString("Gain", &text, 32), AAX_SUCCESS);
    EXPECT_EQ(text, AAX_CString("0.00"));
    EXPECT_EQ(host->GetParameterName("Nothing", &text), AAX_ERROR_INVALID_PARAMETER_ID);

    // Text to value through the display delegate, constrained by the taper.
    struct TextCase {
        const char* id;
        const char* text;
        AAX_Result result;
        double value;
    };
    for (const TextCase& c : {TextCase{"Gain", "6.00", AAX_SUCCESS, 0.75}, TextCase{"Gain", "99", AAX_SUCCESS, 1.0},
                              TextCase{"Mode", "B", AAX_SUCCESS, 1.0 / 3.0}, TextCase{"Bypass", "on", AAX_SUCCESS, 1.0},
                              TextCase{"Gain", "loud", AAX_ERROR_INVALID_STRING_CONVERSION, -1.0},
                              TextCase{"Nothing", "1", AAX_ERROR_INVALID_PARAMETER_ID, -1.0}}) {
        double parsed = -1.0;
        EXPECT_EQ(host->GetParameterValueFromString(c.id, &parsed, AAX_CString(c.text)), c.result) << c.id << c.text;
        EXPECT_NEAR(parsed, c.value, 1e-9) << c.id << " " << c.text;
    }
}

TEST(EffectParametersHostCalls, ANameOfALengthIsTheLongestLineThatFitsElseTheNameCut) {
    ThreeParameterEffect effect;
    effect.ParameterManager().AddParameter(new AAX_CParameter<bool>("Long", "Output Level\nLevel\nLvl", false,
                                                                    AAX_CBinaryTaperDelegate<bool>(),
                                                                    AAX_CBinaryDisplayDelegate<bool>("a", "b"), true));
    const std::pair<std::int32_t, const char*> cases[] = {{31, "Output Level"}, {8, "Level"}, {4, "Lvl"}, {2, "Ou"}};
    for (const auto& [length, expected] : cases) {
        AAX_CString name;
        EXPECT_EQ(effect.GetParameterNameOfLength("Long", &name, length), AAX_SUCCESS);
        EXPECT_EQ(name, AAX_CString(expected)) << length;
    }
}

TEST(EffectParametersHostCalls, RelativeChangesAddToTheValueClampedAndDefaultsCanMove) {
    Instance instance;
    ASSERT_EQ(instance.instance.Initialize(), AAX_SUCCESS);
    AAX_IACFEffectParameters* host = instance.Host();
    double value = 0.0;
    EXPECT_EQ(host->UpdateParameterNormalizedRelative("Gain", 0.25), AAX_SUCCESS);
    EXPECT_EQ(host->GetParameterNormalizedValue("Gain", &value), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(value, 0.75);
    EXPECT_EQ(host->SetParameterNormalizedRelative("Gain", 0.5), AAX_SUCCESS);  // a request for 1, echoed
    EXPECT_EQ(host->GetParameterNormalizedValue("Gain", &value), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(value, 1.0);
    EXPECT_EQ(host->SetParameterDefaultNormalizedValue("Gain", 0.25), AAX_SUCCESS);
    EXPECT_EQ(host->GetParameterDefaultNormalizedValue("Gain", &value), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(value, 0.25);
    for (const AAX_Result refused :
         {host->UpdateParameterNormalizedRelative("Nothing", 0.1), host->SetParameterNormalizedRelative("Nothing", 0.1),
          host->SetParameterNormalizedValue("Nothing", 1.0), host->SetParameterDefaultNormalizedValue("Nothing", 1.0),
          host->UpdateParameterNormalizedValue("Nothing", 1.0, AAX_eUpdateSource_Unspecified)})
        EXPECT_EQ(refused, AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ(instance.Automation(), (std::vector<std::string>{"touch Gain", "set Gain 1", "release Gain"}));
}

TEST(EffectParametersHostCalls, TouchSetReleaseReachTheHostAndItsUpdateStoresTheValue) {
    Instance instance;
    ASSERT_EQ(instance.instance.Initialize(), AAX_SUCCESS);
    AAX_IParameter* gain = instance.effect->ParameterManager().GetParameterByID("Gain");
    std::int32_t changesBefore = -1;
    ASSERT_EQ(instance.Host()->GetNumberOfChanges(&changesBefore), AAX_SUCCESS);

    // An edit the module opens holds any number of sets; a set alone brackets itself.
    gain->Touch();
    gain->SetValueWithFloat(-6.0f);
    gain->SetValueWithFloat(6.0f);
    gain->Release();
    EXPECT_EQ(instance.Host()->TouchParameter("Gain"), AAX_SUCCESS);
    EXPECT_EQ(instance.Host()->ReleaseParameter("Gain"), AAX_SUCCESS);
    EXPECT_EQ(instance.Host()->TouchParameter("Nothing"), AAX_ERROR_INVALID_PARAMETER_ID);

    EXPECT_EQ(instance.Automation(), (std::vector<std::string>{"touch Gain", "set Gain 0.25", "set Gain 0.75",
                                                               "release Gain", "touch Gain", "release Gain"}));
    double value = 0.0;
    EXPECT_EQ(instance.Host()->GetParameterNormalizedValue("Gain", &value), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(value, 0.75);
    std::int32_t changesAfter = -1;
    EXPECT_EQ(instance.Host()->GetNumberOfChanges(&changesAfter), AAX_SUCCESS);
    EXPECT_EQ(changesAfter, changesBefore + 2) << "each echo is a change";
}

TEST(EffectParametersBase, NullOutPointersAreRefused) {
    Instance instance;
    ASSERT_EQ(instance.instance.Initialize(), AAX_SUCCESS);
    AAX_IACFEffectParameters* h = instance.Host();
    const AAX_Result results[] = {
        h->GetNumberOfParameters(nullptr),
        h->GetParameterIndex("Gain", nullptr),
        h->GetParameterIDFromIndex(0, nullptr),
        h->GetParameterName("Gain", nullptr),
        h->GetParameterIsAutomatable("Gain", nullptr),
        h->GetParameterNumberOfSteps("Gain", nullptr),
        h->GetParameterType("Gain", nullptr),
        h->GetParameterNormalizedValue("Gain", nullptr),
        h->GetParameterDefaultNormalizedValue("Gain", nullptr),
        h->GetParameterNameOfLength("Gain", nullptr, 8),
        h->GetParameterOrientation("Gain", nullptr),
        h->GetParameter("Gain", nullptr),
        h->GetParameterValueInfo("Gain", 0, nullptr),
        h->GetParameterValueFromString("Gain", nullptr, AAX_CString("1")),
        h->GetParameterValueString("Gain", nullptr, 8),
        h->GetParameterStringFromValue("Gain", 0.5, nullptr, 8),
        h->GetNumberOfChanges(nullptr),
    };
    for (std::size_t i = 0; i < sizeof results / sizeof results[0]; ++i)
        EXPECT_EQ(results[i], AAX_ERROR_NULL_ARGUMENT) << "call " << i << ": " << AAX_ResultName(results[i]);
}

}  // namespace
