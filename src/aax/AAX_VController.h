#pragma once
// AAX_VController: AAX_IController over the host's AAX_IACFController. Calls with a
// null out pointer fail with AAX_ERROR_NULL_ARGUMENT without reaching the host; every
// call fails with AAX_ERROR_NULL_OBJECT when the host offers no controller.

#include "aax/ACFPtr.h"
#include "aax/AAX_IACFController.h"
#include "aax/AAX_IController.h"

class AAX_VController final : public AAX_IController {
public:
    // `controller` is the IACFUnknown the host passed to Initialize (borrowed).
    explicit AAX_VController(IACFUnknown* controller) noexcept;

    bool IsValid() const noexcept { return static_cast<bool>(controller_); }

    AAX_Result GetSampleRate(AAX_CSampleRate* outRate) const override;
    AAX_Result GetInputStemFormat(AAX_EStemFormat* outFormat) const override;
    AAX_Result GetOutputStemFormat(AAX_EStemFormat* outFormat) const override;
    AAX_Result GetSignalLatency(std::int32_t* outSamples) const override;
    AAX_Result SetSignalLatency(std::int32_t samples) override;
    AAX_Result GetHostName(AAX_IString* outName) const override;
    AAX_Result GetEffectParameters(IACFUnknown** outParameters) const override;
    AAX_Result TouchParameter(AAX_CParamID parameterID) override;
    AAX_Result RequestParameterValue(AAX_CParamID parameterID, double normalizedValue) override;
    AAX_Result ReleaseParameter(AAX_CParamID parameterID) override;

private:
    ACFPtr<AAX_IACFController> controller_;
};
