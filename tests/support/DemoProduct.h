#pragma once
// The demo product installed the way a team ships it, in a temporary folder: a primed
// copy of the real hook module (a file name of its own per product, so every product
// is a fresh module with empty caches) with the real demo core beside it, loaded and
// registered by the host simulator. Instances are made through the module's own
// factories; Render runs real buffers through the module's process procedure.

#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "aax/AAX_CString.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/InstanceContext.h"
#include "aaxhost/LoadedModule.h"
#include "support/PrimedHook.h"
#include "support/ScratchFolder.h"

// The shipped bundle's configuration: no FixedChannelConfig entry, so that every variant
// keeps its own layout. A product fixed to stereo is the other case the tests cover.
inline const char* const kBundleConfig = "CoreConfig:demo";
inline const char* const kFixedStereoConfig = "FixedChannelConfig:stereo|CoreConfig:demo";

using Signal = std::vector<std::vector<float>>;  // channels x samples

class DemoProduct {
public:
    // `core` is the core binary beside the tests; `hookConfig` the hook's CONFIG text.
    explicit DemoProduct(const std::wstring& core = L"LmDemoCore.dll", const std::string& hookConfig = kBundleConfig)
        : folder_(L"demo") {
        folder_.CopyBinary(core);
        const std::wstring hook = folder_.Join(L"LmDemo" + folder_.Id() + L".aaxplugin");
        const std::string error =
            PrimeHookCopy(hook, ProductSettings(std::filesystem::path(core).string(), hookConfig, "LmDemo"));
        EXPECT_EQ(error, "");
        module_ = std::make_unique<aaxhost::LoadedModule>(hook);
        module_->Startup();
        registration_ = module_->RegisterPlugin();
    }
    ~DemoProduct() { module_.reset(); }
    DemoProduct(const DemoProduct&) = delete;
    DemoProduct& operator=(const DemoProduct&) = delete;

    const aaxhost::Registration& Registration() const { return registration_; }
    aaxhost::LoadedModule& Module() { return *module_; }

    // "Stereo", "Mono", "5.1", "Audiosuite": the effect "com.lumetra.lmdemo <variant>".
    const aaxhost::EffectDescription& Effect(const std::string& variant) const {
        const aaxhost::EffectDescription* effect = registration_.package.FindEffect("com.lumetra.lmdemo " + variant);
        if (!effect) throw std::runtime_error("no effect " + variant);
        return *effect;
    }

private:
    ScratchFolder folder_;
    std::unique_ptr<aaxhost::LoadedModule> module_;
    aaxhost::Registration registration_;
};

// One initialised realtime instance of an effect with its instance context.
class RealtimeRig {
public:
    RealtimeRig(const aaxhost::EffectDescription& effect, std::int32_t maxBlock = 512, float sampleRate = 48000.0f)
        : effect_(effect) {
        aaxhost::InstanceSetup setup = aaxhost::SetupFor(effect.components.at(0));
        setup.sampleRate = sampleRate;
        instance_ = aaxhost::CreateEffectInstance(effect, setup);
        EXPECT_TRUE(instance_);
        EXPECT_EQ(instance_->Initialize(), AAX_SUCCESS);
        aaxhost::ContextOptions options;
        options.maxBlockSize = maxBlock;
        context_ =
            std::make_unique<aaxhost::InstanceContext>(effect.components.at(0), instance_->Parameters(), options);
    }
    ~RealtimeRig() {
        context_.reset();
        instance_.reset();
    }

    aaxhost::EffectInstance& Instance() { return *instance_; }
    aaxhost::InstanceContext& Context() { return *context_; }

    // Runs `input` (one vector per input channel) through the process procedure in
    // blocks of `block` samples; the outputs, as long as the input.
    Signal Render(const Signal& input, std::int32_t block = 128) {
        const std::size_t length = input.at(0).size();
        Signal output(static_cast<std::size_t>(context_->OutputChannelCount()), std::vector<float>(length));
        for (std::size_t start = 0; start < length; start += static_cast<std::size_t>(block)) {
            const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(block), length - start);
            context_->SetBlockLength(static_cast<std::int32_t>(n));
            for (std::int32_t c = 0; c < context_->InputChannelCount(); ++c)
                std::copy_n(input.at(static_cast<std::size_t>(c)).begin() + static_cast<std::ptrdiff_t>(start), n,
                            context_->Input(c));
            aaxhost::RunProcessProcedure(effect_.components.at(0).processProcedures.at(0).proc, {context_.get()});
            for (std::size_t c = 0; c < output.size(); ++c)
                std::copy_n(context_->Output(static_cast<std::int32_t>(c)), n,
                            output[c].begin() + static_cast<std::ptrdiff_t>(start));
        }
        return output;
    }

private:
    const aaxhost::EffectDescription& effect_;
    std::unique_ptr<aaxhost::EffectInstance> instance_;
    std::unique_ptr<aaxhost::InstanceContext> context_;
};

// `channels` channels of `length` samples: an impulse of `height` at `at` in each
// channel c, scaled by (c + 1) so that channels tell apart.
inline Signal Impulses(std::size_t channels, std::size_t length, std::size_t at = 0, float height = 0.5f) {
    Signal signal(channels, std::vector<float>(length, 0.0f));
    for (std::size_t c = 0; c < channels; ++c)
        signal[c][at] = height * static_cast<float>(c + 1) / static_cast<float>(channels);
    return signal;
}

// A sine of `frequency` Hz at `rate`, amplitude 0.5, in every channel.
inline Signal Sine(std::size_t channels, std::size_t length, double frequency, double rate = 48000.0) {
    Signal signal(channels, std::vector<float>(length));
    for (std::size_t i = 0; i < length; ++i)
        for (std::size_t c = 0; c < channels; ++c)
            signal[c][i] =
                static_cast<float>(0.5 * std::sin(6.283185307179586 * frequency * static_cast<double>(i) / rate));
    return signal;
}

// Root mean square of samples [from, end).
inline double Rms(const std::vector<float>& samples, std::size_t from) {
    double sum = 0.0;
    for (std::size_t i = from; i < samples.size(); ++i) sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / static_cast<double>(samples.size() - from));
}
