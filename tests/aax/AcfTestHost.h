#pragma once
// Host-side stand-ins for the layer's tests: a reference-counted ACF object the test
// owns (Release never deletes, so a test can check that every reference came back), and
// a controller that records the automation calls as a host would and answers each value
// request with UpdateParameterNormalizedValue.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "aax/AAX_IACFAutomationDelegate.h"
#include "aax/AAX_IACFController.h"
#include "aax/AAX_IACFEffectParameters.h"
#include "aax/acfunknown.h"

// One interface, answered for each of its IDs and IID_IACFUnknown.
template <class Interface, const acfIID&... kIIDs>
class TestAcfObject : public Interface {
public:
    acfResult QueryInterface(const acfIID& iid, void** out) noexcept override {
        if (out == nullptr) return ACF_E_POINTER;
        if (iid == IID_IACFUnknown || ((iid == kIIDs) || ...)) {
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

// The host's automation: records the edits into `log` ("touch Gain", "set Gain
// 0.750000", "release Gain") and answers each set request with
// UpdateParameterNormalizedValue on `effect` while `echo` is on.
class RecordingAutomation : public TestAcfObject<AAX_IACFAutomationDelegate, IID_IAAXAutomationDelegateV1> {
public:
    AAX_Result RegisterParameter(AAX_CParamID id) noexcept override {
        registered.insert(id);
        return AAX_SUCCESS;
    }
    AAX_Result UnregisterParameter(AAX_CParamID id) noexcept override {
        return registered.erase(id) != 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
    }
    AAX_Result PostSetValueRequest(AAX_CParamID id, double value) noexcept override {
        log.push_back(std::string("set ") + id + " " + std::to_string(value));
        if (echo && effect != nullptr) effect->UpdateParameterNormalizedValue(id, value, AAX_eUpdateSource_Parameter);
        return AAX_SUCCESS;
    }
    AAX_Result PostCurrentValue(AAX_CParamID, double) noexcept override { return AAX_SUCCESS; }
    AAX_Result PostTouchRequest(AAX_CParamID id) noexcept override {
        log.push_back(std::string("touch ") + id);
        return AAX_SUCCESS;
    }
    AAX_Result PostReleaseRequest(AAX_CParamID id) noexcept override {
        log.push_back(std::string("release ") + id);
        return AAX_SUCCESS;
    }
    AAX_Result GetTouchState(AAX_CParamID, AAX_CBoolean* outTouched) noexcept override {
        *outTouched = 0;
        return AAX_SUCCESS;
    }

    AAX_IACFEffectParameters* effect = nullptr;  // borrowed
    bool echo = true;
    std::set<std::string> registered;
    std::vector<std::string> log;
};

// A controller (all five versions) that hands out the automation above and `effect`
// for the effect parameters IDs; what a test does not use gives AAX_ERROR_UNIMPLEMENTED.
class RecordingController : public TestAcfObject<AAX_IACFController_V5, IID_IAAXControllerV1, IID_IAAXControllerV2,
                                                 IID_IAAXControllerV3, IID_IAAXControllerV4, IID_IAAXControllerV5> {
public:
    using Base = TestAcfObject<AAX_IACFController_V5, IID_IAAXControllerV1, IID_IAAXControllerV2, IID_IAAXControllerV3,
                               IID_IAAXControllerV4, IID_IAAXControllerV5>;

    acfResult QueryInterface(const acfIID& iid, void** out) noexcept override {
        if (out != nullptr && iid == IID_IAAXAutomationDelegateV1 && offerAutomation) {
            automation.effect = effect;
            automation.echo = echo;
            return automation.QueryInterface(iid, out);
        }
        if (out != nullptr && effect != nullptr &&
            (iid == IID_IAAXEffectParametersV1 || iid == IID_IAAXEffectParametersV2 ||
             iid == IID_IAAXEffectParametersV3 || iid == IID_IAAXEffectParametersV4))
            return effect->QueryInterface(iid, out);
        return Base::QueryInterface(iid, out);
    }

    AAX_Result GetEffectID(AAX_IString* outEffectID) noexcept override {
        outEffectID->Set("com.test.effect");
        return AAX_SUCCESS;
    }
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
    AAX_Result GetCycleCount(AAX_EProperty, AAX_CPropertyValue*) noexcept override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetTODLocation(AAX_CTimeOfDay*) noexcept override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result SetSignalLatency(std::int32_t samples) noexcept override {
        latency = samples;
        return AAX_SUCCESS;
    }
    AAX_Result SetCycleCount(AAX_EProperty*, AAX_CPropertyValue*, std::int32_t) noexcept override {
        return AAX_ERROR_UNIMPLEMENTED;
    }
    AAX_Result PostPacket(AAX_CFieldIndex, const void*, std::uint32_t) noexcept override {
        return AAX_ERROR_UNIMPLEMENTED;
    }
    AAX_Result GetCurrentMeterValue(AAX_CTypeID, float*) noexcept override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetMeterPeakValue(AAX_CTypeID, float*) noexcept override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result ClearMeterPeakValue(AAX_CTypeID) noexcept override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetMeterClipped(AAX_CTypeID, AAX_CBoolean*) noexcept override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result ClearMeterClipped(AAX_CTypeID) noexcept override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetMeterCount(std::uint32_t*) noexcept override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetNextMIDIPacket(AAX_CFieldIndex*, AAX_CMidiPacket*) noexcept override {
        return AAX_ERROR_UNIMPLEMENTED;
    }
    AAX_Result SendNotification(AAX_CTypeID, const void*, std::uint32_t) noexcept override {
        return AAX_ERROR_UNIMPLEMENTED;
    }
    AAX_Result GetHybridSignalLatency(std::int32_t*) noexcept override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetCurrentAutomationTimestamp(AAX_CTransportCounter*) noexcept override {
        return AAX_ERROR_UNIMPLEMENTED;
    }
    AAX_Result GetHostName(AAX_IString* outName) noexcept override {
        outName->Set("Test Host 1.0");
        return AAX_SUCCESS;
    }
    AAX_Result GetPlugInTargetPlatform(AAX_CTargetPlatform*) noexcept override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetIsAudioSuite(AAX_CBoolean*) noexcept override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetInstanceGroupID(AAX_CInstanceGroupID*) noexcept override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result RegisterForNotification(AAX_CTypeID, const IACFUnknown*) noexcept override {
        return AAX_ERROR_UNIMPLEMENTED;
    }
    AAX_Result GetInstanceID(AAX_CInstanceID*) noexcept override { return AAX_ERROR_UNIMPLEMENTED; }

    AAX_IACFEffectParameters* effect = nullptr;  // the instance's object, borrowed
    bool echo = true;                            // answer value requests as a host does
    bool offerAutomation = true;
    std::int32_t latency = 0;
    RecordingAutomation automation;
    std::vector<std::string>& log = automation.log;
};
