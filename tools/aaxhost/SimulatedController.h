#pragma once
// SimulatedController: the host's side of one plug-in instance, the IACFUnknown the
// host passes to Initialize of the instance's effect parameters, editor and offline
// processor. It answers IID_IAAXControllerV1 itself, and hands out the instance's
// transport for IID_IAAXTransportV1, the host-processor delegate for its IDs (V1 to V3)
// and the instance's effect parameters object for theirs, while it has them.
//
// Automation as a host does it: TouchParameter, RequestParameterValue and
// ReleaseParameter are recorded in order, and a value request is answered at once with
// UpdateParameterNormalizedValue on the effect parameters object (source
// AAX_eUpdateSource_Parameter), unless the echo is switched off. Every SetSignalLatency
// is recorded. A null parameter identifier is refused with AAX_ERROR_NULL_ARGUMENT.
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
#include "aaxhost/HostObject.h"

namespace aaxhost {

struct AutomationEvent {
    enum class Kind { Touch, Set, Release };
    Kind kind = Kind::Touch;
    std::string parameterID;
    double value = 0.0;  // Set only
};
// "touch Gain", "set Gain 0.25", "release Gain" (the value with up to six digits).
std::string DescribeAutomation(const AutomationEvent& event);

class SimulatedController final : public HostObject<AAX_IACFController, IID_IAAXControllerV1> {
public:
    SimulatedController();
    ~SimulatedController() override;

    void SetSampleRate(AAX_CSampleRate rate);
    void SetStemFormats(AAX_EStemFormat input, AAX_EStemFormat output);
    void SetHostName(const std::string& name);
    // The result a query of the host name gives (a failing one leaves the string alone).
    void SetHostNameResult(AAX_Result result);
    // The instance's objects (each borrowed: the controller keeps its own reference
    // until replaced or cleared with null). Clear the effect parameters before the last
    // release of the instance, so that the two do not keep each other alive.
    void SetEffectParameters(AAX_IACFEffectParameters* parameters);
    void SetTransport(AAX_IACFTransport* transport);
    void SetHostProcessorDelegate(AAX_IACFHostProcessorDelegate* delegate);
    // Whether value requests are answered with UpdateParameterNormalizedValue (default on).
    void SetEchoValueRequests(bool echo);

    std::vector<AutomationEvent> Automation() const;
    void ClearAutomation();
    // Every SetSignalLatency, in order.
    std::vector<std::int32_t> LatencyReports() const;
    // The result of each echo, in order of the value requests that caused one.
    std::vector<AAX_Result> EchoResults() const;

    AAX_Result GetSampleRate(AAX_CSampleRate* outRate) noexcept override;
    AAX_Result GetInputStemFormat(AAX_EStemFormat* outFormat) noexcept override;
    AAX_Result GetOutputStemFormat(AAX_EStemFormat* outFormat) noexcept override;
    AAX_Result GetSignalLatency(std::int32_t* outSamples) noexcept override;
    AAX_Result SetSignalLatency(std::int32_t samples) noexcept override;
    AAX_Result GetHostName(AAX_IString* outName) noexcept override;
    AAX_Result GetEffectParameters(IACFUnknown** outParameters) noexcept override;
    AAX_Result TouchParameter(AAX_CParamID parameterID) noexcept override;
    AAX_Result RequestParameterValue(AAX_CParamID parameterID, double normalizedValue) noexcept override;
    AAX_Result ReleaseParameter(AAX_CParamID parameterID) noexcept override;

protected:
    acfResult QueryOtherInterface(const acfIID& iid, void** out) noexcept override;

private:
    AAX_Result Record(AutomationEvent::Kind kind, AAX_CParamID parameterID, double value) noexcept;

    mutable std::mutex mutex_;
    AAX_CSampleRate sampleRate_ = 48000.0f;
    AAX_EStemFormat inputStemFormat_ = AAX_eStemFormat_Stereo;
    AAX_EStemFormat outputStemFormat_ = AAX_eStemFormat_Stereo;
    std::string hostName_ = "Pro Tools 2023.6.0";
    AAX_Result hostNameResult_ = AAX_SUCCESS;
    std::int32_t latency_ = 0;
    bool echo_ = true;
    ACFPtr<AAX_IACFEffectParameters> parameters_;
    ACFPtr<AAX_IACFTransport> transport_;
    ACFPtr<AAX_IACFHostProcessorDelegate> delegate_;
    std::vector<AutomationEvent> automation_;
    std::vector<std::int32_t> latencyReports_;
    std::vector<AAX_Result> echoResults_;
};

}  // namespace aaxhost
