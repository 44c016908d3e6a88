#pragma once
// AAX_IParameter: one parameter of an effect, as its parameter manager holds it.
// Module-side only; the host reaches parameters through the effect parameters object.
//
// The host owns automation. Once the effect is initialised, the parameter is registered
// with the host's automation delegate and every change the module makes
// (SetNormalizedValue, SetValueWith...) is a request to the host, bracketed by Touch and
// Release unless the module has already touched the parameter; the stored value
// changes only when the host answers with UpdateParameterNormalizedValue, which calls
// UpdateNormalizedValue and tells the host the value now held (PostCurrentValue).
// Without a delegate (before Initialize, after Uninitialize) a change is stored at once.
//
// Not synchronised: the host and the module call one parameter from one thread at a
// time (the effect's host-facing calls). [ui-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_CString.h"
#include "aax/AAX_Enums.h"

class AAX_IAutomationDelegate;

class AAX_IParameter {
public:
    virtual ~AAX_IParameter() = default;

    // The host's name for the parameter; at most 31 characters by convention.
    virtual AAX_CParamID Identifier() const = 0;
    virtual const AAX_CString& Name() const = 0;
    virtual bool Automatable() const = 0;

    virtual double GetNormalizedValue() const = 0;
    virtual double GetNormalizedDefaultValue() const = 0;
    // A new default, constrained by the taper; the current value stays.
    virtual void SetNormalizedDefaultValue(double normalizedDefault) = 0;
    // A change from the module: a request to the host (see above).
    virtual void SetNormalizedValue(double normalizedValue) = 0;
    // The host's value: stored at once, constrained by the taper. Nothing is sent.
    virtual void UpdateNormalizedValue(double normalizedValue) = 0;

    // Steps the host gives a control over the whole range: 128 unless set.
    virtual std::uint32_t GetNumberOfSteps() const = 0;
    virtual void SetNumberOfSteps(std::uint32_t steps) = 0;
    // AAX_eParameterType_Continuous unless set.
    virtual AAX_EParameterType GetType() const = 0;
    virtual void SetType(AAX_EParameterType type) = 0;

    // Display texts: of the current value, and of any normalised value.
    virtual bool GetValueString(AAX_CString* outText) const = 0;
    virtual bool GetNormalizedValueString(double normalizedValue, AAX_CString* outText) const = 0;
    // The normalised value a display text shows; false when it shows none.
    virtual bool GetNormalizedValueFromString(const char* text, double* outValue) const = 0;

    // Typed access: true only when the parameter holds that type (float, bool, int32_t).
    virtual bool GetValueAsFloat(float* outValue) const = 0;
    virtual bool GetValueAsBool(bool* outValue) const = 0;
    virtual bool GetValueAsInt32(std::int32_t* outValue) const = 0;
    // A change from the module in real units, constrained by the taper first.
    virtual bool SetValueWithFloat(float value) = 0;
    virtual bool SetValueWithBool(bool value) = 0;
    virtual bool SetValueWithInt32(std::int32_t value) = 0;

    // An edit begins / ends: posted to the host's automation. Nothing without a delegate.
    virtual void Touch() = 0;
    virtual void Release() = 0;

    // The instance's automation delegate (borrowed; null detaches). The parameter
    // unregisters from the old one and registers with the new one, and unregisters when
    // destroyed. Set by the parameter manager.
    virtual void SetAutomationDelegate(AAX_IAutomationDelegate* delegate) = 0;
};
