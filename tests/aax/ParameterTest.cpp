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

}  // namespace
