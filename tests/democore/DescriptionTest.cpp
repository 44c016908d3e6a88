// What the demo product tells a host at scan time and about its parameters, read from
// the real module over the real demo core.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "aax/AAX_Enums.h"
#include "support/DemoProduct.h"
#include "support/StringPrinting.h"

namespace {

TEST(DemoCoreDescription, RegistersMonoStereoFiveOneAndAnAnalysingAudioSuiteEffect) {
    DemoProduct product;
    const aaxhost::Registration& registration = product.Registration();
    ASSERT_EQ(registration.result, ACF_OK);
    EXPECT_EQ(registration.package.manufacturerName, std::string("Lumetra"));
    EXPECT_EQ(registration.package.packageNames, (std::vector<std::string>{"LmDemo Gain Filter", "LmDemo"}));
    ASSERT_EQ(registration.package.effects.size(), 4u);

    struct Layout {
        const char* variant;
        AAX_EStemFormat stem;
    };
    for (const Layout& layout : {Layout{"Mono", AAX_eStemFormat_Mono}, Layout{"Stereo", AAX_eStemFormat_Stereo},
                                 Layout{"5.1", AAX_eStemFormat_5_1}}) {
        const aaxhost::ComponentDescription& component = product.Effect(layout.variant).components.at(0);
        EXPECT_EQ(component.InputStemFormat(), layout.stem) << layout.variant;
        EXPECT_EQ(component.OutputStemFormat(), layout.stem) << layout.variant;
    }
    const aaxhost::ComponentDescription& offline = product.Effect("Audiosuite").components.at(0);
    EXPECT_EQ(offline.FindProperty(static_cast<AAX_EProperty>(103)), AAX_CPropertyValue(1)) << "analysis";
    EXPECT_NE(product.Effect("Audiosuite").FindProcPtr(kAAX_ProcPtrID_Create_HostProcessor), nullptr)
        << "an offline processor";
}

// Frequency is logarithmic: halfway is the geometric mean of 20 Hz and 20 kHz.
TEST(DemoCoreParameters, HaveTheirRangeDefaultAndTaper) {
    const struct {
        const char* id;
        double defaultNormalized;
        std::int32_t steps;  // 0: not checked (continuous)
        double probe;        // a normalised value whose text is checked
        const char* text;    // exact text, or null to check `number`
        double number;       // the text's value when `text` is null
    } cases[] = {{"Gain", 0.5, 0, 0.75, nullptr, 12.0},
                 {"Frequency", std::log(50.0) / std::log(1000.0), 0, 0.5, nullptr, 632.456},
                 {"Mode", 0.0, 3, 0.5, "Lowpass", 0.0},
                 {"Mode", 0.0, 3, 1.0, "Highpass", 0.0},
                 {"Invert", 0.0, 2, 1.0, "on", 0.0}};
    DemoProduct product;
    RealtimeRig rig(product.Effect("Stereo"));
    AAX_IACFEffectParameters* parameters = rig.Instance().Parameters();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        double normalized = -1.0;
        ASSERT_EQ(parameters->GetParameterDefaultNormalizedValue(c.id, &normalized), AAX_SUCCESS);
        EXPECT_NEAR(normalized, c.defaultNormalized, 1e-3);
        std::int32_t steps = 0;
        ASSERT_EQ(parameters->GetParameterNumberOfSteps(c.id, &steps), AAX_SUCCESS);
        EXPECT_TRUE(c.steps == 0 || steps == c.steps) << steps;
        AAX_CString text;
        ASSERT_EQ(parameters->GetParameterStringFromValue(c.id, c.probe, &text, aaxhost::kDisplayTextLength),
                  AAX_SUCCESS);
        if (c.text)
            EXPECT_STREQ(text.Get(), c.text);
        else
            EXPECT_NEAR(std::atof(text.Get()), c.number, c.number * 1e-3) << text.Get();
    }
}

}  // namespace
