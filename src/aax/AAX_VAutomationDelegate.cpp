#include "aax/AAX_VAutomationDelegate.h"

AAX_VAutomationDelegate::AAX_VAutomationDelegate(IACFUnknown* controller) noexcept
    : delegate_(ACFPtr<AAX_IACFAutomationDelegate>::Query(controller, IID_IAAXAutomationDelegateV1)) {}

AAX_Result AAX_VAutomationDelegate::RegisterParameter(AAX_CParamID parameterID) {
    return Forward(parameterID, [&](AAX_IACFAutomationDelegate& d) { return d.RegisterParameter(parameterID); });
}

AAX_Result AAX_VAutomationDelegate::UnregisterParameter(AAX_CParamID parameterID) {
    return Forward(parameterID, [&](AAX_IACFAutomationDelegate& d) { return d.UnregisterParameter(parameterID); });
}

AAX_Result AAX_VAutomationDelegate::PostSetValueRequest(AAX_CParamID parameterID, double normalizedValue) const {
    return Forward(parameterID,
                   [&](AAX_IACFAutomationDelegate& d) { return d.PostSetValueRequest(parameterID, normalizedValue); });
}

AAX_Result AAX_VAutomationDelegate::PostCurrentValue(AAX_CParamID parameterID, double normalizedValue) const {
    return Forward(parameterID,
                   [&](AAX_IACFAutomationDelegate& d) { return d.PostCurrentValue(parameterID, normalizedValue); });
}

AAX_Result AAX_VAutomationDelegate::PostTouchRequest(AAX_CParamID parameterID) {
    return Forward(parameterID, [&](AAX_IACFAutomationDelegate& d) { return d.PostTouchRequest(parameterID); });
}

AAX_Result AAX_VAutomationDelegate::PostReleaseRequest(AAX_CParamID parameterID) {
    return Forward(parameterID, [&](AAX_IACFAutomationDelegate& d) { return d.PostReleaseRequest(parameterID); });
}

AAX_Result AAX_VAutomationDelegate::GetTouchState(AAX_CParamID parameterID, AAX_CBoolean* outTouched) {
    if (outTouched == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return Forward(parameterID,
                   [&](AAX_IACFAutomationDelegate& d) { return d.GetTouchState(parameterID, outTouched); });
}
