#pragma once
// AAX_IAutomationDelegate: the module's view of the host's automation for one instance
// (see AAX_IACFAutomationDelegate for the rules of an edit). The effect parameters
// object keeps one from Initialize to Uninitialize and hands it to every parameter.
// Module-side only. [any-thread]

#include "aax/AAX.h"

class AAX_IAutomationDelegate {
public:
    virtual ~AAX_IAutomationDelegate() = default;

    virtual AAX_Result RegisterParameter(AAX_CParamID parameterID) = 0;
    virtual AAX_Result UnregisterParameter(AAX_CParamID parameterID) = 0;
    virtual AAX_Result PostSetValueRequest(AAX_CParamID parameterID, double normalizedValue) const = 0;
    virtual AAX_Result PostCurrentValue(AAX_CParamID parameterID, double normalizedValue) const = 0;
    virtual AAX_Result PostTouchRequest(AAX_CParamID parameterID) = 0;
    virtual AAX_Result PostReleaseRequest(AAX_CParamID parameterID) = 0;
    virtual AAX_Result GetTouchState(AAX_CParamID parameterID, AAX_CBoolean* outTouched) = 0;
};
