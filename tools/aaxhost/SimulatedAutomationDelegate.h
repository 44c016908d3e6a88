#pragma once
// SimulatedAutomationDelegate: the host's automation for one instance, the object the
// instance's controller hands out for IID_IAAXAutomationDelegateV1.
//
// As a host does it: parameters register and unregister; touch, set and release
// requests are recorded in order (only for registered parameters; others are refused
// with AAX_ERROR_INVALID_PARAMETER_ID), and a set request is answered at once with
// UpdateParameterNormalizedValue on the instance's effect parameters object (source
// AAX_eUpdateSource_Parameter), unless the echo is switched off. A parameter counts as
// touched between its touch and its release. PostCurrentValue keeps the last value the
// module reported. A null identifier gives AAX_ERROR_NULL_ARGUMENT.
//
// The module's calls are [any-thread]; the records are guarded by a mutex, which is
// never held while the delegate calls into the module.

#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "aax/AAX_IACFAutomationDelegate.h"
#include "aax/AAX_IACFEffectParameters.h"
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

class SimulatedAutomationDelegate final : public HostObject<AAX_IACFAutomationDelegate, IID_IAAXAutomationDelegateV1> {
public:
    // The object set requests are echoed to (borrowed; a reference is kept until
    // replaced or cleared with null).
    void SetEffectParameters(AAX_IACFEffectParameters* parameters);
    // Whether set requests are answered with UpdateParameterNormalizedValue (default on).
    void SetEchoValueRequests(bool echo);

    std::vector<AutomationEvent> Automation() const;
    void ClearAutomation();
    // The result of each echo, in order of the set requests that caused one.
    std::vector<AAX_Result> EchoResults() const;
    // Parameters registered now, by identifier.
    std::set<std::string> Registered() const;
    // The last value the module reported for a parameter (PostCurrentValue).
    std::map<std::string, double> CurrentValues() const;

    AAX_Result RegisterParameter(AAX_CParamID parameterID) noexcept override;
    AAX_Result UnregisterParameter(AAX_CParamID parameterID) noexcept override;
    AAX_Result PostSetValueRequest(AAX_CParamID parameterID, double normalizedValue) noexcept override;
    AAX_Result PostCurrentValue(AAX_CParamID parameterID, double normalizedValue) noexcept override;
    AAX_Result PostTouchRequest(AAX_CParamID parameterID) noexcept override;
    AAX_Result PostReleaseRequest(AAX_CParamID parameterID) noexcept override;
    AAX_Result GetTouchState(AAX_CParamID parameterID, AAX_CBoolean* outTouched) noexcept override;

private:
    AAX_Result Record(AutomationEvent::Kind kind, AAX_CParamID parameterID, double value) noexcept;

    mutable std::mutex mutex_;
    bool echo_ = true;
    ACFPtr<AAX_IACFEffectParameters> parameters_;
    std::set<std::string> registered_;
    std::map<std::string, int> touches_;
    std::map<std::string, double> currentValues_;
    std::vector<AutomationEvent> automation_;
    std::vector<AAX_Result> echoResults_;
};

}  // namespace aaxhost
