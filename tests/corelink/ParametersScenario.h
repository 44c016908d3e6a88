#pragma once
// Parameters instances against the real core link and the test core, each held by the
// host simulator's EffectInstance: its SimulatedController records touch, set and
// release in the order the host sees them and answers each value request with
// UpdateParameterNormalizedValue, as a host does. The instances use the formats
// HookScenario describes (300 and 301 unless a test asks for another).

#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "CoreLinkScenario.h"
#include "HookScenario.h"
#include "aax/AAX_VViewContainer.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/SimulatedViewContainer.h"
#include "contract/BlockRecord.h"
#include "contract/CoreRequestRecords.h"
#include "contract/TransportRecord.h"
#include "hook/CoreStaticInfoCache.h"
#include "parameters/Parameters.h"
#include "testcore/TestCoreClient.h"

// One parameter as the core describes it.
struct CoreParameter {
    std::string names;
    std::uint32_t kind = kParameterFloat;
    float minimum = 0.0f;
    float maximum = 1.0f;
    float defaultValue = 0.0f;
    std::uint32_t type = 1;  // 0 the core's bypass; 15..22 logarithmic
    bool exposed = true;
    std::string labels = std::string();
};

// One block (selector 23) as the test core saw it.
struct CoreBlock {
    BlockRecord record;
    TransportRecord transport;
    std::vector<float*> channels;
    std::vector<std::vector<float>> samples;
};

// The instance's editor as the parameter set sees it, over the host simulator's view
// container; records the core's resize requests.
class RecordingEditor final : public InstanceEditor {
public:
    AAX_IViewContainer* EditorViewContainer() const noexcept override { return container.get(); }
    bool ResizeEditor(std::uint32_t width, std::uint32_t height) override {
        sizes.push_back({width, height});
        return accept;
    }

    // Attaches the host's view as the editor base does.
    void Attach(aaxhost::SimulatedViewContainer& view) {
        container = std::make_unique<AAX_VViewContainer>(view.AsInterface());
    }

    std::unique_ptr<AAX_VViewContainer> container;
    bool accept = true;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> sizes;
};

class ParametersScenario {
public:
    ParametersScenario() : hook_("CoreConfig:cfg value") {}

    TestCoreClient& Core() { return hook_.Core(); }

    void SetCoreParameters(const std::vector<CoreParameter>& parameters) {
        std::vector<CoreParameterInfo> records(parameters.size());
        std::memset(records.data(), 0, records.size() * sizeof(CoreParameterInfo));
        for (std::size_t i = 0; i < parameters.size(); ++i) {
            const CoreParameter& p = parameters[i];
            CoreParameterInfo& r = records[i];
            std::strncpy(r.names, p.names.c_str(), sizeof r.names - 1);
            std::strncpy(r.valueLabels, p.labels.c_str(), sizeof r.valueLabels - 1);
            r.kind = p.kind;
            r.exposureA = p.exposed ? 1 : 0;
            r.minimum = p.minimum;
            r.maximum = p.maximum;
            r.defaultValue = p.defaultValue;
            r.type = p.type;
        }
        Core().SetParameters(static_cast<std::uint32_t>(records.size()), records.data());
    }

    // A new instance held by the host simulator (released with the scenario or by
    // Release); not yet initialised.
    Parameters* Make(PluginFormat format = kParametersFormat, ChannelConfig channels = kChannelConfigStereo,
                     const aaxhost::InstanceSetup& setup = {}) {
        auto* parameters = new Parameters(format, channels);
        instances_.push_back(
            std::make_unique<aaxhost::EffectInstance>(ACFPtr<AAX_IACFEffectParameters>(
                                                          static_cast<AAX_IACFEffectParameters*>(parameters)),
                                                      setup));
        return parameters;
    }

    aaxhost::EffectInstance& Host(const Parameters& parameters) {
        for (const auto& instance : instances_)
            if (instance->Parameters() == static_cast<const AAX_IACFEffectParameters*>(&parameters)) return *instance;
        throw std::logic_error("not an instance of this scenario");
    }
    aaxhost::SimulatedController& Controller(const Parameters& parameters) { return Host(parameters).Controller(); }

    // The host initialises the instance with its controller.
    AAX_Result Initialize(const Parameters& parameters) { return Host(parameters).Initialize(); }

    // The host lets go of the instance: Uninitialize, then its last reference.
    void Release(const Parameters* parameters) {
        for (auto it = instances_.begin(); it != instances_.end(); ++it)
            if ((*it)->Parameters() == static_cast<const AAX_IACFEffectParameters*>(parameters)) {
                instances_.erase(it);
                return;
            }
    }

    // "touch Gain", "set Gain 0.25", "release Gain", in the order the host saw them.
    std::vector<std::string> Automation(const Parameters& parameters) {
        std::vector<std::string> described;
        for (const aaxhost::AutomationEvent& event : Host(parameters).Automation())
            described.push_back(aaxhost::DescribeAutomation(event));
        return described;
    }

    // PluginHookCallback as the core calls it, for the instance the core created.
    std::uint32_t CallHook(const Parameters& parameters, std::uint32_t selector, std::uint32_t argument, void* record) {
        return Core().CallHook(parameters.InstanceHandle(), selector, argument, record);
    }

    // The core's calls since the last Mark (the core's own reset would also forget
    // which hook object each instance belongs to).
    std::vector<TestCoreCall> Calls() const {
        std::vector<TestCoreCall> calls = hook_.Calls();
        calls.erase(calls.begin(), calls.begin() + std::min<std::size_t>(mark_, calls.size()));
        return calls;
    }
    std::vector<TestCoreCall> CallsOf(std::uint32_t selector) const {
        std::vector<TestCoreCall> chosen;
        for (const TestCoreCall& call : Calls())
            if (call.info.selector == selector) chosen.push_back(call);
        return chosen;
    }
    std::vector<std::uint32_t> Selectors() const {
        std::vector<std::uint32_t> selectors;
        for (const TestCoreCall& call : Calls()) selectors.push_back(call.info.selector);
        return selectors;
    }
    // Selector 11 messages since the last Mark: {core index, value}; each must carry
    // the origin flag 0.
    std::vector<std::pair<std::uint32_t, float>> ValuesSent() const {
        std::vector<std::pair<std::uint32_t, float>> values;
        for (const TestCoreCall& call : CallsOf(11)) {
            const auto record = call.As<ParameterValueRecord>();
            values.emplace_back(record.coreIndex, record.value);
            EXPECT_EQ(call.info.argument, 0u) << "the origin flag";
        }
        return values;
    }
    void Mark() { mark_ = hook_.Calls().size(); }

    // The blocks (selector 23) since the last Mark, as scripted with SetBlockChannels:
    // `channels` channel pointers each and, when captured, each channel's samples.
    std::vector<CoreBlock> Blocks(std::uint32_t channels) const {
        std::vector<CoreBlock> blocks;
        for (const TestCoreCall& call : CallsOf(23)) {
            CoreBlock block;
            block.record = call.As<BlockRecord>();
            const std::uint8_t* data = call.data.data();
            std::memcpy(&block.transport, data, sizeof block.transport);
            const std::size_t count = block.record.sampleCount, start = sizeof(TransportRecord) + 8 * channels;
            for (std::uint32_t k = 0; k < channels; ++k) {
                std::uint64_t pointer = 0;
                std::memcpy(&pointer, data + sizeof(TransportRecord) + 8 * k, 8);
                block.channels.push_back(reinterpret_cast<float*>(static_cast<std::uintptr_t>(pointer)));
                std::vector<float> samples(count);
                if (call.data.size() >= start + (k + 1) * count * sizeof(float))
                    std::memcpy(samples.data(), data + start + k * count * sizeof(float), count * sizeof(float));
                block.samples.push_back(samples);
            }
            blocks.push_back(block);
        }
        return blocks;
    }

private:
    HookScenario hook_;
    std::size_t mark_ = 0;
    std::vector<std::unique_ptr<aaxhost::EffectInstance>> instances_;  // released before the core link goes
};
