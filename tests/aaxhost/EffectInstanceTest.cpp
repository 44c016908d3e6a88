// Instances as the host simulator holds them: objects from a module's factory and
// objects built directly in the test, initialised with the simulated controller, with
// automation, latency, host values and transport as a host offers them.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "TrivialModuleHost.h"
#include "aax/AAX_CEffectParameters.h"
#include "aax/AAX_CString.h"
#include "aaxhost/EffectInstance.h"

using namespace aaxhost;

namespace {

std::vector<std::string> AutomationTexts(const EffectInstance& instance) {
    std::vector<std::string> texts;
    for (const AutomationEvent& event : instance.Automation()) texts.push_back(DescribeAutomation(event));
    return texts;
}

// The object and the instance's reference to it: the instance owns the one reference.
EffectInstance MakeInProcessInstance(AAX_CEffectParameters*& effect, const InstanceSetup& setup = {}) {
    effect = new AAX_CEffectParameters;
    return EffectInstance(ACFPtr<AAX_IACFEffectParameters>(effect), setup);
}

TEST(EffectInstance, ModuleObjectInitialisesAndAnswersParameterQueries) {
    TrivialModuleHost host;
    auto instance = CreateEffectInstance(host.Effect(trivial::kMonoEffectID));
    ASSERT_NE(instance, nullptr);
    ASSERT_EQ(instance->Initialize(), AAX_SUCCESS);
    std::int32_t count = 0;
    ASSERT_EQ(instance->Parameters()->GetNumberOfParameters(&count), AAX_SUCCESS);
    EXPECT_EQ(count, 1);
    AAX_CString identifier;
    ASSERT_EQ(instance->Parameters()->GetParameterIDFromIndex(0, &identifier), AAX_SUCCESS);
    EXPECT_EQ(identifier.StdString(), trivial::kGainID);
    EXPECT_DOUBLE_EQ(instance->NormalizedValue(trivial::kGainID), 0.5);
    EXPECT_TRUE(std::isnan(instance->NormalizedValue("NoSuchParameter")));
}

TEST(EffectInstance, HostUserChangeIsRequestedThenEchoedIntoTheObject) {
    TrivialModuleHost host;
    auto instance = CreateEffectInstance(host.Effect(trivial::kMonoEffectID));
    ASSERT_EQ(instance->Initialize(), AAX_SUCCESS);

    ASSERT_EQ(instance->SetParameter(trivial::kGainID, 0.25), AAX_SUCCESS);
    EXPECT_EQ(AutomationTexts(*instance), (std::vector<std::string>{"touch Gain", "set Gain 0.25", "release Gain"}));
    EXPECT_EQ(instance->Controller().EchoResults(), (std::vector<AAX_Result>{AAX_SUCCESS}));
    EXPECT_DOUBLE_EQ(instance->NormalizedValue(trivial::kGainID), 0.25);
    std::int32_t changes = 0;
    instance->Parameters()->GetNumberOfChanges(&changes);
    EXPECT_EQ(changes, 1);

    // A host that does not answer leaves the value where it was.
    instance->Controller().SetEchoValueRequests(false);
    ASSERT_EQ(instance->SetParameter(trivial::kGainID, 1.0), AAX_SUCCESS);
    EXPECT_EQ(AutomationTexts(*instance), (std::vector<std::string>{"touch Gain", "set Gain 0.25", "release Gain",
                                                                    "touch Gain", "set Gain 1", "release Gain"}));
    EXPECT_DOUBLE_EQ(instance->NormalizedValue(trivial::kGainID), 0.25);
}

// The module registers its parameters with the host's automation, reports the values it
// holds, and the host's touch state follows the edit; all of it goes away with Uninitialize.
TEST(EffectInstance, ModuleRegistersWithTheHostsAutomationAndUnregistersOnUninitialize) {
    TrivialModuleHost host;
    auto instance = CreateEffectInstance(host.Effect(trivial::kMonoEffectID));
    ASSERT_EQ(instance->Initialize(), AAX_SUCCESS);
    SimulatedAutomationDelegate& automation = instance->Controller().AutomationDelegate();
    EXPECT_EQ(automation.Registered(), (std::set<std::string>{trivial::kGainID}));

    ASSERT_EQ(instance->Parameters()->TouchParameter(trivial::kGainID), AAX_SUCCESS);
    AAX_CBoolean touched = 0;
    EXPECT_EQ(automation.GetTouchState(trivial::kGainID, &touched), AAX_SUCCESS);
    EXPECT_EQ(touched, 1);
    ASSERT_EQ(instance->Parameters()->SetParameterNormalizedValue(trivial::kGainID, 0.75), AAX_SUCCESS);
    ASSERT_EQ(instance->Parameters()->ReleaseParameter(trivial::kGainID), AAX_SUCCESS);
    EXPECT_EQ(automation.GetTouchState(trivial::kGainID, &touched), AAX_SUCCESS);
    EXPECT_EQ(touched, 0);
    EXPECT_EQ(AutomationTexts(*instance), (std::vector<std::string>{"touch Gain", "set Gain 0.75", "release Gain"}));
    EXPECT_DOUBLE_EQ(automation.CurrentValues().at(trivial::kGainID), 0.75);

    ASSERT_EQ(instance->Uninitialize(), AAX_SUCCESS);
    EXPECT_TRUE(automation.Registered().empty());
    EXPECT_EQ(automation.PostTouchRequest(trivial::kGainID), AAX_ERROR_INVALID_PARAMETER_ID);
}

TEST(EffectInstance, ObjectSeesTheSetupAndTheTransportValuesThroughItsController) {
    InstanceSetup setup;
    setup.sampleRate = 44100.0f;
    setup.inputStemFormat = AAX_eStemFormat_Mono;
    setup.outputStemFormat = AAX_eStemFormat_5_1;
    setup.hostName = "Host 10.2.3.4";
    AAX_CEffectParameters* effect = nullptr;
    EffectInstance instance = MakeInProcessInstance(effect, setup);
    ASSERT_EQ(instance.Initialize(), AAX_SUCCESS);

    AAX_CSampleRate rate = 0;
    AAX_EStemFormat input = AAX_eStemFormat_Any, output = AAX_eStemFormat_Any;
    AAX_CString name;
    EXPECT_EQ(effect->Controller()->GetSampleRate(&rate), AAX_SUCCESS);
    EXPECT_EQ(effect->Controller()->GetInputStemFormat(&input), AAX_SUCCESS);
    EXPECT_EQ(effect->Controller()->GetOutputStemFormat(&output), AAX_SUCCESS);
    EXPECT_EQ(effect->Controller()->GetHostName(&name), AAX_SUCCESS);
    EXPECT_EQ(rate, 44100.0f);
    EXPECT_EQ(input, AAX_eStemFormat_Mono);
    EXPECT_EQ(output, AAX_eStemFormat_5_1);
    EXPECT_EQ(name.StdString(), "Host 10.2.3.4");

    ASSERT_NE(instance.Transport(), nullptr);
    ASSERT_NE(effect->Transport(), nullptr);
    instance.Transport()->Update([](TransportState& state) {
        state.tempo = 133.0;
        state.meter = TransportState::Meter{7, 8};
        state.playing = true;
        state.loop = TransportState::Loop{true, 960000, 1920000};
        state.timeCode = TransportState::TimeCode{AAX_eFrameRate_2997NonDrop, 30};
        state.selectionStart.reset();  // a value the host cannot give now
    });
    double tempo = 0;
    std::int32_t numerator = 0, denominator = 0, offset = 0;
    bool playing = false, looping = false;
    std::int64_t loopStart = 0, loopEnd = 0, selectionStart = -5;
    AAX_EFrameRate rateCode = AAX_eFrameRate_24Frame;
    EXPECT_EQ(effect->Transport()->GetCurrentTempo(&tempo), AAX_SUCCESS);
    EXPECT_EQ(effect->Transport()->GetCurrentMeter(&numerator, &denominator), AAX_SUCCESS);
    EXPECT_EQ(effect->Transport()->IsTransportPlaying(&playing), AAX_SUCCESS);
    EXPECT_EQ(effect->Transport()->GetCurrentLoopPosition(&looping, &loopStart, &loopEnd), AAX_SUCCESS);
    EXPECT_EQ(effect->Transport()->GetTimeCodeInfo(&rateCode, &offset), AAX_SUCCESS);
    EXPECT_EQ(effect->Transport()->GetTimelineSelectionStartPosition(&selectionStart), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(tempo, 133.0);
    EXPECT_EQ(numerator, 7);
    EXPECT_EQ(denominator, 8);
    EXPECT_TRUE(playing);
    EXPECT_TRUE(looping);
    EXPECT_EQ(loopStart, 960000);
    EXPECT_EQ(loopEnd, 1920000);
    EXPECT_EQ(rateCode, AAX_eFrameRate_2997NonDrop);
    EXPECT_EQ(offset, 30);
    EXPECT_EQ(selectionStart, -5) << "a failing query leaves its output alone";
}

TEST(EffectInstance, NeedsAnObject) {
    EXPECT_THROW(EffectInstance(ACFPtr<AAX_IACFEffectParameters>()), std::invalid_argument);
}

}  // namespace
