#pragma once
// Host-side stand-ins for the layer's tests: a reference-counted ACF object the test
// owns (Release never deletes, so a test can check that every reference came back), and
// a controller that records the automation calls as a host would and answers each value
// request with UpdateParameterNormalizedValue.

#include <cstdint>
#include <string>
#include <vector>

#include "aax/AAX_IACFController.h"
#include "aax/AAX_IACFEffectParameters.h"
#include "aax/acfunknown.h"

// One interface, answered for its own ID and IID_IACFUnknown.
template <class Interface, const acfIID& kIID>
class TestAcfObject : public Interface {
public:
    acfResult QueryInterface(const acfIID& iid, void** out) noexcept override {
        if (out == nullptr) return ACF_E_POINTER;
        if (iid == IID_IACFUnknown || iid == kIID) {
            *out = static_cast<Interface*>(this);
            AddRef();
            return ACF_OK;
        }
        *out = nullptr;
        return ACF_E_NOINTERFACE;
    }
    std::uint32_t AddRef() noexcept override { return ++references; }
    std::uint32_t Release() noexcept override { return --references; }

    std::uint32_t references = 1;  // the test's own
};

class RecordingController : public TestAcfObject<AAX_IACFController, IID_IAAXControllerV1> {
public:
    AAX_Result GetSampleRate(AAX_CSampleRate* outRate) noexcept override {
        *outRate = 48000.0f;
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
        return AAX_SUCCESS;
    }
    AAX_Result GetHostName(AAX_IString* outName) noexcept override {
        outName->Set("Test Host 1.0");
        return AAX_SUCCESS;
    }
    AAX_Result GetEffectParameters(IACFUnknown** outParameters) noexcept override {
        *outParameters = effect;
        if (effect == nullptr) return AAX_ERROR_NULL_OBJECT;
        effect->AddRef();
        return AAX_SUCCESS;
    }
    AAX_Result TouchParameter(AAX_CParamID id) noexcept override {
        log.push_back(std::string("touch ") + id);
        return AAX_SUCCESS;
    }
    AAX_Result RequestParameterValue(AAX_CParamID id, double value) noexcept override {
        log.push_back(std::string("set ") + id + " " + std::to_string(value));
        if (echo && effect != nullptr)
            effect->UpdateParameterNormalizedValue(id, value, AAX_eUpdateSource_Parameter);
        return AAX_SUCCESS;
    }
    AAX_Result ReleaseParameter(AAX_CParamID id) noexcept override {
        log.push_back(std::string("release ") + id);
        return AAX_SUCCESS;
    }

    AAX_IACFEffectParameters* effect = nullptr;  // the instance's object, borrowed
    bool echo = true;                            // answer value requests as a host does
    std::int32_t latency = 0;
    std::vector<std::string> log;
};
