#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "aax/AAX_CBinaryDisplayDelegate.h"
#include "aax/AAX_CBinaryTaperDelegate.h"
#include "aax/AAX_CLinearTaperDelegate.h"
#include "aax/AAX_CNumberDisplayDelegate.h"
#include "aax/AAX_CParameter.h"
#include "aax/AAX_CStringDisplayDelegate.h"
#include "aax/AAX_VAutomationDelegate.h"
#include "aaxhost/SimulatedController.h"

namespace {

AAX_CParameter<float> MakeGain() {
    return AAX_CParameter<float>("Gain", "Gain", 0.0f, AAX_CLinearTaperDelegate<float, 0>(-12.0f, 12.0f),
                                 AAX_CNumberDisplayDelegate<float, 2, 0>(), true);
}

std::string ValueText(const AAX_IParameter& parameter) {
    AAX_CString text;
    EXPECT_TRUE(parameter.GetValueString(&text));
    return text.StdString();
}

TEST(Parameter, StartsAtItsConstrainedDefaultAsAContinuousParameterOf128Steps) {
    const AAX_CParameter<float> gain("Gain", "Gain Name", 30.0f, AAX_CLinearTaperDelegate<float, 0>(-12.0f, 12.0f),
                                     AAX_CNumberDisplayDelegate<float, 2, 0>(), true);
    EXPECT_STREQ(gain.Identifier(), "Gain");
    EXPECT_EQ(gain.Name(), AAX_CString("Gain Name"));
    EXPECT_FLOAT_EQ(gain.GetValue(), 12.0f);
    EXPECT_DOUBLE_EQ(gain.GetNormalizedDefaultValue(), 1.0);
    EXPECT_EQ(gain.GetNumberOfSteps(), 128u);
    EXPECT_EQ(gain.GetType(), AAX_eParameterType_Continuous);
    EXPECT_EQ(ValueText(gain), "12.00");
}

TEST(Parameter, TypedAccessWorksOnlyForTheHeldType) {
    AAX_CParameter<float> gain = MakeGain();
    float f = 0.0f;
    bool b = false;
    std::int32_t i = 0;
    EXPECT_TRUE(gain.GetValueAsFloat(&f));
    EXPECT_FALSE(gain.GetValueAsBool(&b));
    EXPECT_FALSE(gain.GetValueAsInt32(&i));
    EXPECT_FALSE(gain.SetValueWithBool(true));
    EXPECT_FALSE(gain.SetValueWithInt32(3));
    EXPECT_FLOAT_EQ(gain.GetValue(), 0.0f);

    AAX_CParameter<bool> toggle("On", "On", false, AAX_CBinaryTaperDelegate<bool>(),
                                AAX_CBinaryDisplayDelegate<bool>("off", "on"), true);
    EXPECT_TRUE(toggle.SetValueWithBool(true));
    EXPECT_TRUE(toggle.GetValueAsBool(&b));
    EXPECT_TRUE(b);
    EXPECT_FALSE(toggle.GetValueAsFloat(&f));
    EXPECT_EQ(ValueText(toggle), "on");
}

TEST(Parameter, WithoutAControllerAChangeIsStoredAtOnce) {
    AAX_CParameter<float> gain = MakeGain();
    gain.Touch();
    EXPECT_TRUE(gain.SetValueWithFloat(6.0f));
    gain.Release();
    EXPECT_FLOAT_EQ(gain.GetValue(), 6.0f);
    EXPECT_DOUBLE_EQ(gain.GetNormalizedValue(), 0.75);
    gain.SetNormalizedValue(2.0);
    EXPECT_FLOAT_EQ(gain.GetValue(), 12.0f);
}

TEST(Parameter, WithAnAutomationDelegateAChangeIsARequestThatOnlyTheHostsUpdateStores) {
    ACFPtr<aaxhost::SimulatedController> host = aaxhost::MakeHostObject<aaxhost::SimulatedController>();
    host->SetEchoValueRequests(false);
    AAX_VAutomationDelegate delegate(host->AsInterface());
    ASSERT_TRUE(delegate.IsValid());
    {
        AAX_CParameter<float> gain = MakeGain();
        gain.SetAutomationDelegate(&delegate);
        EXPECT_EQ(host->AutomationDelegate().Registered(), (std::set<std::string>{"Gain"}));

        EXPECT_TRUE(gain.SetValueWithFloat(100.0f));  // constrained to the maximum before it is sent
        std::vector<std::string> log;
        for (const aaxhost::AutomationEvent& event : host->Automation()) log.push_back(DescribeAutomation(event));
        EXPECT_EQ(log, (std::vector<std::string>{"touch Gain", "set Gain 1", "release Gain"}));
        EXPECT_FLOAT_EQ(gain.GetValue(), 0.0f);

        gain.UpdateNormalizedValue(1.0);
        EXPECT_FLOAT_EQ(gain.GetValue(), 12.0f);
    }
    EXPECT_TRUE(host->AutomationDelegate().Registered().empty());  // a parameter unregisters as it goes
}

TEST(Parameter, AnIntegerParameterShowsItsLabelOrStringNotFound) {
    AAX_CParameter<std::int32_t> mode("Mode", "Mode", 1, AAX_CLinearTaperDelegate<std::int32_t, 1>(1, 4),
                                      AAX_CStringDisplayDelegate<std::int32_t>({{1, "1"}, {2, "2"}, {3, "3"}}), true);
    mode.UpdateNormalizedValue(2.0 / 3.0);
    std::int32_t value = 0;
    EXPECT_TRUE(mode.GetValueAsInt32(&value));
    EXPECT_EQ(value, 3);
    EXPECT_EQ(ValueText(mode), "3");
    AAX_CString text;
    EXPECT_TRUE(mode.GetNormalizedValueString(1.0, &text));
    EXPECT_EQ(text, AAX_CString("String Not Found"));
}

}  // namespace
