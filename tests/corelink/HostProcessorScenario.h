#pragma once
// AudioSuite passes through the host simulator: a Parameters instance over the test
// core (ParametersScenario) with an offline processor made by the module's factory,
// initialised with the instance's controller, which offers an in-memory selection as
// the host-processor delegate; OfflineDriver runs whole passes.
// The instances use the AudioSuite formats 500 and 501 (HookScenario).

#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "CoreLinkScenario.h"
#include "ParametersScenario.h"
#include "aaxhost/HostObject.h"
#include "aaxhost/OfflineDriver.h"
#include "aaxhost/SelectionDelegate.h"
#include "contract/CoreRequestRecords.h"
#include "hook/CoreStaticInfoCache.h"
#include "hostprocessor/HostProcessor.h"
#include "hostprocessor/HostProcessorFactory.h"

// A selection of `channels` x `length` samples, each telling where it came from:
// channel k, sample i holds k * 100000 + i + 1 (never 0, so silence stands out).
inline std::vector<std::vector<float>> NumberedSelection(std::size_t channels, std::size_t length) {
    std::vector<std::vector<float>> selection(channels, std::vector<float>(length));
    for (std::size_t k = 0; k < channels; ++k)
        for (std::size_t i = 0; i < length; ++i) selection[k][i] = static_cast<float>(k * 100000 + i + 1);
    return selection;
}

class HostProcessorScenario {
public:
    TestCoreClient& Core() { return parameters_.Core(); }
    ParametersScenario& Instances() { return parameters_; }

    // An initialised instance and an initialised processor over `selection`, with the
    // output bounds set to the whole selection. The core's latency is set before the
    // instance reports it to the host.
    void Make(std::vector<std::vector<float>> selection, ChannelConfig layout = kChannelConfigStereo,
              std::uint32_t latency = 0, PluginFormat format = kOfflineFormat) {
        Core().SetLatency(latency);
        aaxhost::InstanceSetup setup;
        setup.inputStemFormat = setup.outputStemFormat = StemFormatOf(layout);
        instance = parameters_.Make(format, layout, setup);
        ASSERT_EQ(parameters_.Initialize(*instance), AAX_SUCCESS);
        selection_ = aaxhost::MakeHostObject<aaxhost::SelectionDelegate>(std::move(selection));
        IACFUnknown* made = CreateHostProcessor();
        ASSERT_NE(made, nullptr);
        auto* host = static_cast<AAX_IACFHostProcessor*>(made);
        processor = static_cast<HostProcessor*>(host);
        driver_ = std::make_unique<aaxhost::OfflineDriver>(ACFPtr<AAX_IACFHostProcessor>(host), Controller(),
                                                           *selection_.Get());
        ASSERT_EQ(driver_->Initialize(), AAX_SUCCESS);
        ASSERT_EQ(driver_->InitOutputBounds(), AAX_SUCCESS);
        Mark();
    }

    aaxhost::SimulatedController& Controller() { return parameters_.Controller(*instance); }
    aaxhost::SimulatedTransport& Transport() { return *parameters_.Host(*instance).Transport(); }
    aaxhost::SelectionDelegate& Selection() { return *selection_.Get(); }
    aaxhost::OfflineDriver& Driver() { return *driver_; }
    // Destroys the processor (Uninitialize and its last reference) as the host does.
    void DestroyProcessor() {
        driver_.reset();
        processor = nullptr;
    }

    // The core's calls since the last Mark.
    std::vector<TestCoreCall> CallsOf(std::uint32_t selector) const { return parameters_.CallsOf(selector); }
    std::vector<std::uint32_t> Selectors() const { return parameters_.Selectors(); }
    void Mark() { parameters_.Mark(); }

    // Selector-42 events since the last Mark, with their pointer fields.
    std::vector<NotifyRecord> Events() const {
        std::vector<NotifyRecord> events;
        for (const TestCoreCall& call : CallsOf(42)) events.push_back(call.As<NotifyRecord>());
        return events;
    }

    std::vector<CoreBlock> Blocks(std::uint32_t channels) const { return parameters_.Blocks(channels); }

    Parameters* instance = nullptr;
    HostProcessor* processor = nullptr;  // owned by the driver

private:
    ParametersScenario parameters_;
    ACFPtr<aaxhost::SelectionDelegate> selection_;
    std::unique_ptr<aaxhost::OfflineDriver> driver_;  // released before the instances
};
