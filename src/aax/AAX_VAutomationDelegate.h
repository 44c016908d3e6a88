#pragma once
// AAX_VAutomationDelegate: AAX_IAutomationDelegate over the host's automation delegate,
// found by querying the instance's controller for IID_IAAXAutomationDelegateV1. Every
// call fails with AAX_ERROR_NULL_OBJECT, without reaching the host, when the host offers
// none, and with AAX_ERROR_NULL_ARGUMENT for a null identifier or out pointer.

#include "aax/AAX_IACFAutomationDelegate.h"
#include "aax/AAX_IAutomationDelegate.h"
#include "aax/ACFPtr.h"

class AAX_VAutomationDelegate final : public AAX_IAutomationDelegate {
public:
    // `controller` is the IACFUnknown the host passed to Initialize (borrowed).
    explicit AAX_VAutomationDelegate(IACFUnknown* controller) noexcept;

    bool IsValid() const noexcept { return static_cast<bool>(delegate_); }

    AAX_Result RegisterParameter(AAX_CParamID parameterID) override;
    AAX_Result UnregisterParameter(AAX_CParamID parameterID) override;
    AAX_Result PostSetValueRequest(AAX_CParamID parameterID, double normalizedValue) const override;
    AAX_Result PostCurrentValue(AAX_CParamID parameterID, double normalizedValue) const override;
    AAX_Result PostTouchRequest(AAX_CParamID parameterID) override;
    AAX_Result PostReleaseRequest(AAX_CParamID parameterID) override;
    AAX_Result GetTouchState(AAX_CParamID parameterID, AAX_CBoolean* outTouched) override;

private:
    template <class Call>
    AAX_Result Forward(AAX_CParamID parameterID, Call call) const {
        if (parameterID == nullptr) return AAX_ERROR_NULL_ARGUMENT;
        return delegate_ ? call(*delegate_.Get()) : AAX_ERROR_NULL_OBJECT;
    }

    ACFPtr<AAX_IACFAutomationDelegate> delegate_;
};
