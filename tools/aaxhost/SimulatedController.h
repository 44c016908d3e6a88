#pragma once
// SimulatedController: the host's side of one plug-in instance, the IACFUnknown the
// host passes to Initialize of the instance's effect parameters, editor and offline
// processor. It answers IID_IAAXControllerV1..V5 itself and, as a host's controller
// does, hands out on the same object: the instance's transport (IID_IAAXTransportV1..V5,
// while it has one), its automation delegate (IID_IAAXAutomationDelegateV1, a
// SimulatedAutomationDelegate, which records the edits and echoes set requests), the
// instance's effect parameters object (IID_IAAXEffectParametersV1..V4), the
// host-processor delegate (IID_IAAXHostProcessorDelegateV1) and the host's component
// factory (IID_IACFComponentFactory). Transport control is not offered.
//
// Every SetSignalLatency and SendNotification is recorded. What a host without DSP
// has no use for (cycle counts, packets, meters, the MIDI packet queue, time of day)
// gives AAX_ERROR_UNIMPLEMENTED; GetMeterCount reports 0 meters.
//
// Settings are made on the test's thread before the module reads them; the module's
// calls are [any-thread] and the records are guarded by a mutex, which is never held
// while the controller calls into the module.

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "aax/AAX_IACFController.h"
#include "aax/AAX_IACFEffectParameters.h"
#include "aax/AAX_IACFHostProcessorDelegate.h"
#include "aax/AAX_IACFTransport.h"
#include "aaxhost/HostComponentFactory.h"
#include "aaxhost/HostObject.h"
#include "aaxhost/SimulatedAutomationDelegate.h"

namespace aaxhost {

struct SentNotification {
    AAX_CTypeID type = 0;
    std::vector<unsigned char> data;
};

class SimulatedController final : public HostObject<AAX_IACFController_V5, IID_IAAXControllerV1, IID_IAAXControllerV2,
                                                    IID_IAAXControllerV3, IID_IAAXControllerV4, IID_IAAXControllerV5> {
public:
    SimulatedController();
    ~SimulatedController() override;

    void SetSampleRate(AAX_CSampleRate rate);
    void SetStemFormats(AAX_EStemFormat input, AAX_EStemFormat output);
    void SetHostName(const std::string& name);
    // The result a query of the host name gives (a failing one leaves the string alone).
    void SetHostNameResult(AAX_Result result);
    void SetEffectID(const std::string& effectID);
    void SetIsAudioSuite(bool isAudioSuite);
    // The instance's objects (each borrowed: the controller keeps its own reference
    // until replaced or cleared with null). Clear the effect parameters before the last
    // release of the instance, so that the two do not keep each other alive.
    void SetEffectParameters(AAX_IACFEffectParameters* parameters);
    void SetTransport(AAX_IACFTransport* transport);
    void SetHostProcessorDelegate(AAX_IACFHostProcessorDelegate* delegate);
    // Whether value requests are answered with UpdateParameterNormalizedValue (default on).
    void SetEchoValueRequests(bool echo);

    // The automation delegate this controller hands out (owned by the controller).
    SimulatedAutomationDelegate& AutomationDelegate() const noexcept { return *automation_.Get(); }
    // The component factory this controller hands out; a test may add makers to it.
    HostComponentFactory& ComponentFactory() const noexcept { return *factory_.Get(); }
    std::vector<AutomationEvent> Automation() const { return automation_->Automation(); }
    void ClearAutomation() { automation_->ClearAutomation(); }
    // The result of each echo, in order of the value requests that caused one.
    std::vector<AAX_Result> EchoResults() const { return automation_->EchoResults(); }
    // Every SetSignalLatency, in order.
    std::vector<std::int32_t> LatencyReports() const;
    std::vector<SentNotification> Notifications() const;

    AAX_Result GetEffectID(AAX_IString* outEffectID) noexcept override;
    AAX_Result GetSampleRate(AAX_CSampleRate* outRate) noexcept override;
    AAX_Result GetInputStemFormat(AAX_EStemFormat* outFormat) noexcept override;
    AAX_Result GetOutputStemFormat(AAX_EStemFormat* outFormat) noexcept override;
    AAX_Result GetSignalLatency(std::int32_t* outSamples) noexcept override;
    AAX_Result GetCycleCount(AAX_EProperty which, AAX_CPropertyValue* outCycles) noexcept override;
    AAX_Result GetTODLocation(AAX_CTimeOfDay* outLocation) noexcept override;
    AAX_Result SetSignalLatency(std::int32_t samples) noexcept override;
    AAX_Result SetCycleCount(AAX_EProperty* which, AAX_CPropertyValue* values, std::int32_t count) noexcept override;
    AAX_Result PostPacket(AAX_CFieldIndex field, const void* payload, std::uint32_t size) noexcept override;
    AAX_Result GetCurrentMeterValue(AAX_CTypeID meterID, float* outValue) noexcept override;
    AAX_Result GetMeterPeakValue(AAX_CTypeID meterID, float* outValue) noexcept override;
    AAX_Result ClearMeterPeakValue(AAX_CTypeID meterID) noexcept override;
    AAX_Result GetMeterClipped(AAX_CTypeID meterID, AAX_CBoolean* outClipped) noexcept override;
    AAX_Result ClearMeterClipped(AAX_CTypeID meterID) noexcept override;
    AAX_Result GetMeterCount(std::uint32_t* outCount) noexcept override;
    AAX_Result GetNextMIDIPacket(AAX_CFieldIndex* outPort, AAX_CMidiPacket* outPacket) noexcept override;
    AAX_Result SendNotification(AAX_CTypeID type, const void* data, std::uint32_t size) noexcept override;
    AAX_Result GetHybridSignalLatency(std::int32_t* outSamples) noexcept override;
    AAX_Result GetCurrentAutomationTimestamp(AAX_CTransportCounter* outTimestamp) noexcept override;
    AAX_Result GetHostName(AAX_IString* outName) noexcept override;
    AAX_Result GetPlugInTargetPlatform(AAX_CTargetPlatform* outPlatform) noexcept override;
    AAX_Result GetIsAudioSuite(AAX_CBoolean* outIsAudioSuite) noexcept override;
    AAX_Result GetInstanceGroupID(AAX_CInstanceGroupID* outGroupID) noexcept override;
    AAX_Result RegisterForNotification(AAX_CTypeID type, const IACFUnknown* subscriber) noexcept override;
    AAX_Result GetInstanceID(AAX_CInstanceID* outInstanceID) noexcept override;

protected:
    acfResult QueryOtherInterface(const acfIID& iid, void** out) noexcept override;

private:
    mutable std::mutex mutex_;
    AAX_CSampleRate sampleRate_ = 48000.0f;
    AAX_EStemFormat inputStemFormat_ = AAX_eStemFormat_Stereo;
    AAX_EStemFormat outputStemFormat_ = AAX_eStemFormat_Stereo;
    std::string hostName_ = "Pro Tools 2023.6.0";
    AAX_Result hostNameResult_ = AAX_SUCCESS;
    std::string effectID_;
    bool isAudioSuite_ = false;
    std::int32_t latency_ = 0;
    AAX_CInstanceID instanceID_;
    ACFPtr<AAX_IACFEffectParameters> parameters_;
    ACFPtr<AAX_IACFTransport> transport_;
    ACFPtr<AAX_IACFHostProcessorDelegate> delegate_;
    ACFPtr<SimulatedAutomationDelegate> automation_;
    ACFPtr<HostComponentFactory> factory_;
    std::vector<std::int32_t> latencyReports_;
    std::vector<SentNotification> notifications_;
};

}  // namespace aaxhost
