// Instances as the host simulator holds them: objects from a module's factory,
// initialised with the simulated controller, with automation as a host offers it.

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "TrivialModuleHost.h"
#include "aax/AAX_CString.h"
#include "aaxhost/EffectInstance.h"

using namespace aaxhost;

namespace {

std::vector<std::string> AutomationTexts(const EffectInstance& instance) {
    std::vector<std::string> texts;
    for (const AutomationEvent& event : instance.Automation()) texts.push_back(DescribeAutomation(event));
    return texts;
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

TEST(EffectInstance, NeedsAnObject) {
    EXPECT_THROW(EffectInstance(ACFPtr<AAX_IACFEffectParameters>()), std::invalid_argument);
}

}  // namespace
