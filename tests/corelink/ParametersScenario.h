#pragma once
// Parameters instances against the real core link and the test core, initialised by a
// small host controller that records the automation calls in the order a host sees
// them and answers each value request with UpdateParameterNormalizedValue, as a host
// does. The static-information cache lives for the process, so these tests use plug-in
// format codes of their own, described once.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "CoreLinkScenario.h"
#include "HookScenario.h"
#include "aax/AAX_IACFController.h"
#include "aax/AAX_IViewContainer.h"
#include "description/CoreStaticInfoCache.h"
#include "hook/records/CoreRequestRecords.h"
#include "parameters/Parameters.h"
#include "testcore/TestCoreClient.h"

constexpr PluginFormat kParametersFormat = 300;           // name stem "Key"; no side chain, no aux outputs
constexpr PluginFormat kParametersSideChainFormat = 301;  // name stem "Key", a side chain, two aux output stems

// One parameter as the core describes it.
struct CoreParameter {
    CoreParameter(std::string names_, std::uint32_t kind_ = kParameterFloat, float minimum_ = 0.0f,
                  float maximum_ = 1.0f, float defaultValue_ = 0.0f, std::uint32_t type_ = 1, bool exposed_ = true,
                  std::string labels_ = std::string())
        : names(std::move(names_)), kind(kind_), minimum(minimum_), maximum(maximum_), defaultValue(defaultValue_),
          type(type_), exposed(exposed_), labels(std::move(labels_)) {}

    std::string names;
    std::uint32_t kind;
    float minimum;
    float maximum;
    float defaultValue;
    std::uint32_t type;  // 0 the core's bypass; 15..22 logarithmic
    bool exposed;
    std::string labels;
};

// The host's side of one instance. Log entries: "touch <id>", "set <id> <value>",
// "release <id>", with the normalised value in std::to_string's form.
class HostController final : public AAX_IACFController {
public:
    acfResult QueryInterface(const acfIID& iid, void** out) noexcept override {
        if (out == nullptr) return ACF_E_POINTER;
        *out = nullptr;
        if (iid != IID_IACFUnknown && iid != IID_AAX_IACFController) return ACF_E_NOINTERFACE;
        *out = static_cast<AAX_IACFController*>(this);
        AddRef();
        return ACF_OK;
    }
    std::uint32_t AddRef() noexcept override { return ++references; }
    std::uint32_t Release() noexcept override { return --references; }

    AAX_Result GetSampleRate(AAX_CSampleRate* outRate) noexcept override {
        *outRate = sampleRate;
        return AAX_SUCCESS;
    }
    AAX_Result GetInputStemFormat(AAX_EStemFormat* outFormat) noexcept override {
        *outFormat = AAX_eStemFormat_Stereo;
        return AAX_SUCCESS;
    }
    AAX_Result GetOutputStemFormat(AAX_EStemFormat* outFormat) noexcept override {
        *outFormat = AAX_eStemFormat_Stereo;
        return AAX_SUCCESS;
    }
    AAX_Result GetSignalLatency(std::int32_t* outSamples) noexcept override {
        *outSamples = latency;
        return AAX_SUCCESS;
    }
    AAX_Result SetSignalLatency(std::int32_t samples) noexcept override {
        latency = samples;
        reportedLatencies.push_back(samples);
        return AAX_SUCCESS;
    }
    AAX_Result GetHostName(AAX_IString* outName) noexcept override {
        ++hostNameQueries;
        if (hostNameResult == AAX_SUCCESS) outName->Set(hostName.c_str());
        return hostNameResult;
    }
    AAX_Result GetEffectParameters(IACFUnknown** outParameters) noexcept override {
        *outParameters = nullptr;
        return AAX_ERROR_NULL_OBJECT;
    }
    AAX_Result TouchParameter(AAX_CParamID id) noexcept override {
        log.push_back(std::string("touch ") + id);
        return AAX_SUCCESS;
    }
    AAX_Result RequestParameterValue(AAX_CParamID id, double value) noexcept override {
        log.push_back(std::string("set ") + id + " " + std::to_string(value));
        if (effect != nullptr) effect->UpdateParameterNormalizedValue(id, value, AAX_eUpdateSource_Parameter);
        return AAX_SUCCESS;
    }
    AAX_Result ReleaseParameter(AAX_CParamID id) noexcept override {
        log.push_back(std::string("release ") + id);
        return AAX_SUCCESS;
    }

    AAX_IACFEffectParameters* effect = nullptr;  // answered on every value request; borrowed
    AAX_CSampleRate sampleRate = 48000.0f;
    std::int32_t latency = 0;
    std::vector<std::int32_t> reportedLatencies;
    std::string hostName = "Pro Tools 2023.6.0";
    AAX_Result hostNameResult = AAX_SUCCESS;
    int hostNameQueries = 0;
    std::vector<std::string> log;
    std::uint32_t references = 1;
};

// The host's editor view, as the editor hands it to the parameter set. Log entries:
// "down|drag|up <id>[,<id>...] <modifiers>", multiple forms with "many " in front.
class RecordingViewContainer final : public AAX_IViewContainer {
public:
    std::int32_t GetType() const override { return AAX_eViewContainer_Type_NULL; }
    void* GetPtr() const override { return nullptr; }
    AAX_Result GetModifiers(std::uint32_t* outModifiers) const override {
        *outModifiers = modifiers;
        return modifiersResult;
    }
    AAX_Result SetViewSize(const AAX_Point&) override { return AAX_SUCCESS; }
    AAX_Result HandleParameterMouseDown(AAX_CParamID id, std::uint32_t m) override { return Record("down", &id, 1, m); }
    AAX_Result HandleParameterMouseDrag(AAX_CParamID id, std::uint32_t m) override { return Record("drag", &id, 1, m); }
    AAX_Result HandleParameterMouseUp(AAX_CParamID id, std::uint32_t m) override { return Record("up", &id, 1, m); }
    AAX_Result HandleMultipleParametersMouseDown(const AAX_CParamID* ids, std::uint32_t n, std::uint32_t m) override {
        return Record("many down", ids, n, m);
    }
    AAX_Result HandleMultipleParametersMouseDrag(const AAX_CParamID* ids, std::uint32_t n, std::uint32_t m) override {
        return Record("many drag", ids, n, m);
    }
    AAX_Result HandleMultipleParametersMouseUp(const AAX_CParamID* ids, std::uint32_t n, std::uint32_t m) override {
        return Record("many up", ids, n, m);
    }

    std::uint32_t modifiers = 0;
    AAX_Result modifiersResult = AAX_SUCCESS;
    AAX_Result answer = AAX_SUCCESS;
    std::vector<std::string> log;

private:
    AAX_Result Record(const char* what, const AAX_CParamID* ids, std::uint32_t count, std::uint32_t m) {
        std::string entry = std::string(what) + " ";
        for (std::uint32_t i = 0; i < count; ++i) entry += (i ? "," : "") + std::string(ids[i]);
        log.push_back(entry + " " + std::to_string(m));
        return answer;
    }
};

class RecordingEditor final : public InstanceEditor {
public:
    AAX_IViewContainer* EditorViewContainer() const noexcept override { return container; }
    bool ResizeEditor(std::uint32_t width, std::uint32_t height) override {
        sizes.push_back({width, height});
        return accept;
    }

    AAX_IViewContainer* container = nullptr;
    bool accept = true;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> sizes;
};

class ParametersScenario {
public:
    ParametersScenario() : described_(DescribeFormatsOnce()), hook_("CoreConfig:cfg value") {}

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

    std::unique_ptr<Parameters> Make(PluginFormat format = kParametersFormat,
                                     ChannelConfig channels = kChannelConfigStereo) {
        return std::make_unique<Parameters>(format, channels);
    }

    // Initialises `parameters` with this scenario's host controller, as the host does.
    AAX_Result Initialize(Parameters& parameters) {
        host.effect = &parameters;
        return parameters.Initialize(static_cast<AAX_IACFController*>(&host));
    }

    // PluginHookCallback as the core calls it, for the instance the core created.
    std::uint32_t CallHook(const Parameters& parameters, std::uint32_t selector, std::uint32_t argument,
                           void* record) {
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

    HostController host;  // outlives every instance made here (declared first)

private:
    static bool DescribeFormatsOnce() {
        static const bool described = [] {
            CoreLinkScenario scenario;
            const std::wstring path = scenario.AddCore();
            EXPECT_EQ(scenario.UseHook("LmBrisa3.dll", kGoodConfig), "");
            const std::shared_ptr<LoadedCore> link = GetCoreLink();
            TestCoreClient core(GetModuleHandleW(path.c_str()));
            EXPECT_TRUE(core.Valid());
            CoreStaticInfo info;
            std::memset(&info, 0, sizeof info);
            std::strcpy(info.nameStem, "Key");
            core.SetStaticInfo(kParametersFormat, &info, CoreStaticInfo::kCoreSize, 0);
            info.sideChainFlag = 1;
            info.auxOutputCount = 2;
            core.SetStaticInfo(kParametersSideChainFormat, &info, CoreStaticInfo::kCoreSize, 0);
            for (PluginFormat format : {kParametersFormat, kParametersSideChainFormat})
                EXPECT_TRUE(GetCoreStaticInfo(format).IsValid());
            return true;
        }();
        return described;
    }

    bool described_;
    HookScenario hook_;
    std::size_t mark_ = 0;
};
