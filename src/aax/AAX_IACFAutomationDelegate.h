#pragma once
// AAX_IACFAutomationDelegate: the host's automation for one instance, implemented by the
// host and reached by querying the instance's controller for
// IID_IAAXAutomationDelegateV1. The module registers each parameter it offers and never
// changes an automatable value behind the host's back: an edit is PostTouchRequest, any
// number of PostSetValueRequest, then PostReleaseRequest; the host answers each accepted
// value with UpdateParameterNormalizedValue on the effect parameters object
// (synchronously or later; the module relies on neither). PostCurrentValue tells the
// host the value the module now holds. Identifiers are borrowed for the call.
// [any-thread]

#include "aax/AAX.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFAutomationDelegate : public IACFUnknown {
public:
    virtual AAX_Result RegisterParameter(AAX_CParamID parameterID) noexcept = 0;
    virtual AAX_Result UnregisterParameter(AAX_CParamID parameterID) noexcept = 0;
    virtual AAX_Result PostSetValueRequest(AAX_CParamID parameterID, double normalizedValue) noexcept = 0;
    virtual AAX_Result PostCurrentValue(AAX_CParamID parameterID, double normalizedValue) noexcept = 0;
    virtual AAX_Result PostTouchRequest(AAX_CParamID parameterID) noexcept = 0;
    virtual AAX_Result PostReleaseRequest(AAX_CParamID parameterID) noexcept = 0;
    virtual AAX_Result GetTouchState(AAX_CParamID parameterID, AAX_CBoolean* outTouched) noexcept = 0;

protected:
    ~AAX_IACFAutomationDelegate() = default;
};
