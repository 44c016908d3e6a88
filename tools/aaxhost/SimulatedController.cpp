#include "aaxhost/SimulatedController.h"

#include <cstdio>

namespace aaxhost {
namespace {

// An added reference for a member ACFPtr.
template <class Interface>
ACFPtr<Interface> Keep(Interface* object) {
    if (object != nullptr) object->AddRef();
    return ACFPtr<Interface>(object);
}

}  // namespace

std::string DescribeAutomation(const AutomationEvent& event) {
    switch (event.kind) {
        case AutomationEvent::Kind::Touch: return "touch " + event.parameterID;
        case AutomationEvent::Kind::Release: return "release " + event.parameterID;
        case AutomationEvent::Kind::Set: break;
    }
    char value[32];
    std::snprintf(value, sizeof value, "%g", event.value);
    return "set " + event.parameterID + " " + value;
}

SimulatedController::SimulatedController() = default;

SimulatedController::~SimulatedController() = default;

void SimulatedController::SetSampleRate(AAX_CSampleRate rate) {
    std::lock_guard<std::mutex> lock(mutex_);
    sampleRate_ = rate;
}

void SimulatedController::SetStemFormats(AAX_EStemFormat input, AAX_EStemFormat output) {
    std::lock_guard<std::mutex> lock(mutex_);
    inputStemFormat_ = input;
    outputStemFormat_ = output;
}

void SimulatedController::SetHostName(const std::string& name) {
    std::lock_guard<std::mutex> lock(mutex_);
    hostName_ = name;
}

void SimulatedController::SetHostNameResult(AAX_Result result) {
    std::lock_guard<std::mutex> lock(mutex_);
    hostNameResult_ = result;
}

void SimulatedController::SetEffectParameters(AAX_IACFEffectParameters* parameters) {
    ACFPtr<AAX_IACFEffectParameters> kept = Keep(parameters);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        std::swap(parameters_, kept);
    }
    // The old reference goes outside the lock: its release may run the module's code.
}

void SimulatedController::SetTransport(AAX_IACFTransport* transport) {
    ACFPtr<AAX_IACFTransport> kept = Keep(transport);
    std::lock_guard<std::mutex> lock(mutex_);
    std::swap(transport_, kept);
}

void SimulatedController::SetHostProcessorDelegate(AAX_IACFHostProcessorDelegate* delegate) {
    ACFPtr<AAX_IACFHostProcessorDelegate> kept = Keep(delegate);
    std::lock_guard<std::mutex> lock(mutex_);
    std::swap(delegate_, kept);
}

void SimulatedController::SetEchoValueRequests(bool echo) {
    std::lock_guard<std::mutex> lock(mutex_);
    echo_ = echo;
}

std::vector<AutomationEvent> SimulatedController::Automation() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return automation_;
}

void SimulatedController::ClearAutomation() {
    std::lock_guard<std::mutex> lock(mutex_);
    automation_.clear();
}

std::vector<std::int32_t> SimulatedController::LatencyReports() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return latencyReports_;
}

std::vector<AAX_Result> SimulatedController::EchoResults() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return echoResults_;
}

AAX_Result SimulatedController::GetSampleRate(AAX_CSampleRate* outRate) noexcept {
    if (outRate == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    *outRate = sampleRate_;
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::GetInputStemFormat(AAX_EStemFormat* outFormat) noexcept {
    if (outFormat == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    *outFormat = inputStemFormat_;
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::GetOutputStemFormat(AAX_EStemFormat* outFormat) noexcept {
    if (outFormat == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    *outFormat = outputStemFormat_;
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::GetSignalLatency(std::int32_t* outSamples) noexcept {
    if (outSamples == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    *outSamples = latency_;
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::SetSignalLatency(std::int32_t samples) noexcept {
    try {
        std::lock_guard<std::mutex> lock(mutex_);
        latencyReports_.push_back(samples);
        latency_ = samples;
        return AAX_SUCCESS;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

AAX_Result SimulatedController::GetHostName(AAX_IString* outName) noexcept {
    if (outName == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::string name;
    AAX_Result result;
    try {
        std::lock_guard<std::mutex> lock(mutex_);
        name = hostName_;
        result = hostNameResult_;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
    if (result == AAX_SUCCESS) outName->Set(name.c_str());
    return result;
}

AAX_Result SimulatedController::GetEffectParameters(IACFUnknown** outParameters) noexcept {
    if (outParameters == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    std::lock_guard<std::mutex> lock(mutex_);
    *outParameters = parameters_.Get();
    if (!parameters_) return AAX_ERROR_NULL_OBJECT;
    parameters_->AddRef();
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::Record(AutomationEvent::Kind kind, AAX_CParamID parameterID, double value) noexcept {
    if (parameterID == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    try {
        std::lock_guard<std::mutex> lock(mutex_);
        automation_.push_back({kind, parameterID, value});
        return AAX_SUCCESS;
    } catch (...) {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

AAX_Result SimulatedController::TouchParameter(AAX_CParamID parameterID) noexcept {
    return Record(AutomationEvent::Kind::Touch, parameterID, 0.0);
}

AAX_Result SimulatedController::RequestParameterValue(AAX_CParamID parameterID, double normalizedValue) noexcept {
    const AAX_Result recorded = Record(AutomationEvent::Kind::Set, parameterID, normalizedValue);
    if (recorded != AAX_SUCCESS) return recorded;
    ACFPtr<AAX_IACFEffectParameters> target;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (echo_) target = Keep(parameters_.Get());
    }
    if (!target) return AAX_SUCCESS;
    const AAX_Result echoed =
        target->UpdateParameterNormalizedValue(parameterID, normalizedValue, AAX_eUpdateSource_Parameter);
    try {
        std::lock_guard<std::mutex> lock(mutex_);
        echoResults_.push_back(echoed);
    } catch (...) {
    }
    return AAX_SUCCESS;
}

AAX_Result SimulatedController::ReleaseParameter(AAX_CParamID parameterID) noexcept {
    return Record(AutomationEvent::Kind::Release, parameterID, 0.0);
}

acfResult SimulatedController::QueryOtherInterface(const acfIID& iid, void** out) noexcept {
    std::lock_guard<std::mutex> lock(mutex_);
    if (iid == IID_IAAXTransportV1) return QueryObject(transport_.Get(), iid, out);
    if (iid == IID_IAAXHostProcessorDelegateV1 || iid == IID_IAAXHostProcessorDelegateV2 ||
        iid == IID_IAAXHostProcessorDelegateV3)
        return QueryObject(delegate_.Get(), iid, out);
    // The controller stands for the instance: the editor and the offline processor find
    // the instance's effect parameters object through it.
    if (iid == IID_IAAXEffectParametersV1 || iid == IID_IAAXEffectParametersV2 || iid == IID_IAAXEffectParametersV3 ||
        iid == IID_IAAXEffectParametersV4)
        return QueryObject(parameters_.Get(), iid, out);
    return ACF_E_NOINTERFACE;
}

}  // namespace aaxhost
