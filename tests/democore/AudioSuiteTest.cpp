// The demo core as an AudioSuite effect through the real module's offline processor:
// a render pass lines its lookahead up with the selection, an analysis pass finds the
// processed peak that the next render brings to -1 dBFS, and a settings change asks
// the host for a new analysis.

#include <gtest/gtest.h>

#include <cmath>

#include "aaxhost/ObjectFactory.h"
#include "aaxhost/OfflineDriver.h"
#include "aaxhost/SelectionDelegate.h"
#include "support/DemoProduct.h"

namespace {

constexpr std::size_t kLength = 3000;  // not a whole number of windows
constexpr float kNormalisedPeak = 0.891250938f;

class AudioSuiteRig {
public:
    AudioSuiteRig() {
        instance_ = aaxhost::CreateEffectInstance(product_.Effect("Audiosuite"));
        EXPECT_EQ(instance_->Initialize(), AAX_SUCCESS);
        input_ = Sine(2, kLength, 300.0);
        for (float& sample : input_[1]) sample *= 0.5f;  // the channels tell apart
        selection_ = aaxhost::MakeHostObject<aaxhost::SelectionDelegate>(input_);
        driver_ = std::make_unique<aaxhost::OfflineDriver>(aaxhost::CreateHostProcessor(product_.Effect("Audiosuite")),
                                                           instance_->Controller(), *selection_.Get());
        EXPECT_EQ(driver_->Initialize(), AAX_SUCCESS);
        EXPECT_EQ(driver_->InitOutputBounds(), AAX_SUCCESS);
    }
    ~AudioSuiteRig() {
        driver_.reset();
        selection_.Reset();
        instance_.reset();
    }

    aaxhost::EffectInstance& Instance() { return *instance_; }
    aaxhost::OfflineDriver& Driver() { return *driver_; }
    aaxhost::SelectionDelegate& Selection() { return *selection_.Get(); }
    const Signal& Input() const { return input_; }

    // Every rendered sample is `factor` times the selection's, in the same place.
    void ExpectRendered(float factor) {
        const Signal& rendered = driver_->Rendered();
        ASSERT_EQ(rendered.size(), 2u);
        for (std::size_t c = 0; c < 2; ++c) {
            ASSERT_EQ(rendered[c].size(), kLength);
            for (std::size_t i = 0; i < kLength; ++i)
                ASSERT_NEAR(rendered[c][i], factor * input_[c][i], 1e-5f) << "channel " << c << " sample " << i;
        }
    }

private:
    DemoProduct product_;
    std::unique_ptr<aaxhost::EffectInstance> instance_;
    Signal input_;
    ACFPtr<aaxhost::SelectionDelegate> selection_;
    std::unique_ptr<aaxhost::OfflineDriver> driver_;
};

TEST(DemoCoreAudioSuite, AnalysisBringsTheProcessedPeakOfTheNextRenderToMinusOneDecibel) {
    AudioSuiteRig rig;
    ASSERT_EQ(rig.Instance().Automate("Gain", 0.375), AAX_SUCCESS);  // -6 dB: the analysis sees it
    ASSERT_TRUE(rig.Driver().Analyze(512).Succeeded());
    ASSERT_TRUE(rig.Driver().Render(512).Succeeded());
    float inputPeak = 0.0f;
    for (float sample : rig.Input()[0]) inputPeak = std::max(inputPeak, std::fabs(sample));
    rig.ExpectRendered(kNormalisedPeak / inputPeak);
}

TEST(DemoCoreAudioSuite, AChangedSettingAsksTheHostForANewAnalysisAndDropsTheOldOne) {
    AudioSuiteRig rig;
    ASSERT_TRUE(rig.Driver().Analyze(512).Succeeded());
    EXPECT_EQ(rig.Selection().ForceAnalyzeCount(), 0);
    ASSERT_EQ(rig.Instance().Automate("Invert", 1.0), AAX_SUCCESS);
    EXPECT_EQ(rig.Selection().ForceAnalyzeCount(), 1);
    ASSERT_EQ(rig.Instance().Automate("Invert", 1.0), AAX_SUCCESS);
    EXPECT_EQ(rig.Selection().ForceAnalyzeCount(), 1) << "the same value changes nothing";
    ASSERT_TRUE(rig.Driver().Render(700).Succeeded());
    rig.ExpectRendered(-1.0f);
}

}  // namespace
