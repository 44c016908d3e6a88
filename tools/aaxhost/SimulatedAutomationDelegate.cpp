#include "aaxhost/SimulatedAutomationDelegate.h"

#include "aax/AAX_CatchAll.h"

#include <cstdio>
#include <utility>

namespace aaxhost {

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

void SimulatedAutomationDelegate::SetEffectParameters(AAX_IACFEffectParameters* parameters) {
    if (parameters != nullptr) parameters->AddRef();
    ACFPtr<AAX_IACFEffectParameters> kept(parameters);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        std::swap(parameters_, kept);
    }
    // The old reference goes outside the lock: its release may run the module's code.
}

void SimulatedAutomationDelegate::SetEchoValueRequests(bool echo) {
    std::lock_guard<std::mutex> lock(mutex_);
    echo_ = echo;
}

std::vector<AutomationEvent> SimulatedAutomationDelegate::Automation() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return automation_;
}

void SimulatedAutomationDelegate::ClearAutomation() {
    std::lock_guard<std::mutex> lock(mutex_);
    automation_.clear();
}

std::vector<AAX_Result> SimulatedAutomationDelegate::EchoResults() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return echoResults_;
}

std::set<std::string> SimulatedAutomationDelegate::Registered() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return registered_;
}

std::map<std::string, double> SimulatedAutomationDelegate::CurrentValues() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return currentValues_;
}

AAX_Result SimulatedAutomationDelegate::RegisterParameter(AAX_CParamID parameterID) noexcept {
    if (parameterID == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result {
        std::lock_guard<std::mutex> lock(mutex_);
        registered_.insert(parameterID);
        return AAX_SUCCESS;
    });
}

AAX_Result SimulatedAutomationDelegate::UnregisterParameter(AAX_CParamID parameterID) noexcept {
    if (parameterID == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result {
        std::lock_guard<std::mutex> lock(mutex_);
        if (registered_.erase(parameterID) == 0) return AAX_ERROR_INVALID_PARAMETER_ID;
        touches_.erase(parameterID);
        return AAX_SUCCESS;
    });
}

AAX_Result SimulatedAutomationDelegate::Record(AutomationEvent::Kind kind, AAX_CParamID parameterID,
                                               double value) noexcept {
    if (parameterID == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result {
        std::lock_guard<std::mutex> lock(mutex_);
        if (registered_.count(parameterID) == 0) return AAX_ERROR_INVALID_PARAMETER_ID;
        automation_.push_back({kind, parameterID, value});
        int& touches = touches_[parameterID];
        if (kind == AutomationEvent::Kind::Touch) ++touches;
        if (kind == AutomationEvent::Kind::Release && touches > 0) --touches;
        return AAX_SUCCESS;
    });
}

AAX_Result SimulatedAutomationDelegate::PostSetValueRequest(AAX_CParamID parameterID, double normalizedValue) noexcept {
    const AAX_Result recorded = Record(AutomationEvent::Kind::Set, parameterID, normalizedValue);
    if (recorded != AAX_SUCCESS) return recorded;
    ACFPtr<AAX_IACFEffectParameters> target;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (echo_ && parameters_) {
            parameters_->AddRef();
            target.Reset(parameters_.Get());
        }
    }
    if (!target) return AAX_SUCCESS;
    const AAX_Result echoed =
        target->UpdateParameterNormalizedValue(parameterID, normalizedValue, AAX_eUpdateSource_Parameter);
    try {
        std::lock_guard<std::mutex> lock(mutex_);
        echoResults_.push_back(echoed);
    } catch (...) {
        // Out of memory: the echo was sent; only its result's record is lost.
    }
    return AAX_SUCCESS;
}

AAX_Result SimulatedAutomationDelegate::PostCurrentValue(AAX_CParamID parameterID, double normalizedValue) noexcept {
    if (parameterID == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result {
        std::lock_guard<std::mutex> lock(mutex_);
        currentValues_[parameterID] = normalizedValue;
        return AAX_SUCCESS;
    });
}

AAX_Result SimulatedAutomationDelegate::PostTouchRequest(AAX_CParamID parameterID) noexcept {
    return Record(AutomationEvent::Kind::Touch, parameterID, 0.0);
}

AAX_Result SimulatedAutomationDelegate::PostReleaseRequest(AAX_CParamID parameterID) noexcept {
    return Record(AutomationEvent::Kind::Release, parameterID, 0.0);
}

AAX_Result SimulatedAutomationDelegate::GetTouchState(AAX_CParamID parameterID, AAX_CBoolean* outTouched) noexcept {
    if (parameterID == nullptr || outTouched == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto found = touches_.find(parameterID);
        *outTouched = found != touches_.end() && found->second > 0 ? 1 : 0;
        return AAX_SUCCESS;
    });
}

}  // namespace aaxhost
