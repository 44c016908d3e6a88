#pragma once
// AAX_VController: AAX_IController over the host's controller, queried for every
// published version (IID_IAAXControllerV1..V5). A call reaches the oldest version that
// has it; without that version it fails with AAX_ERROR_NULL_OBJECT (V1 methods) or
// AAX_ERROR_UNIMPLEMENTED (later ones) without reaching the host. Null out pointers give
// AAX_ERROR_NULL_ARGUMENT.

#include "aax/AAX_IACFController.h"
#include "aax/AAX_IController.h"
#include "aax/ACFPtr.h"

class AAX_VController final : public AAX_IController {
public:
    // `controller` is the IACFUnknown the host passed to Initialize (borrowed).
    explicit AAX_VController(IACFUnknown* controller) noexcept;

    bool IsValid() const noexcept { return static_cast<bool>(controller_); }

    AAX_Result GetEffectID(AAX_IString* outEffectID) const override;
    AAX_Result GetSampleRate(AAX_CSampleRate* outRate) const override;
    AAX_Result GetInputStemFormat(AAX_EStemFormat* outFormat) const override;
    AAX_Result GetOutputStemFormat(AAX_EStemFormat* outFormat) const override;
    AAX_Result GetSignalLatency(std::int32_t* outSamples) const override;
    AAX_Result SetSignalLatency(std::int32_t samples) override;
    AAX_Result SendNotification(AAX_CTypeID type, const void* data, std::uint32_t size) override;
    AAX_Result GetHostName(AAX_IString* outName) const override;
    AAX_Result GetIsAudioSuite(bool* outIsAudioSuite) const override;

private:
    ACFPtr<AAX_IACFController> controller_;
    ACFPtr<AAX_IACFController_V2> controllerV2_;
    ACFPtr<AAX_IACFController_V3> controllerV3_;
    ACFPtr<AAX_IACFController_V4> controllerV4_;
    ACFPtr<AAX_IACFController_V5> controllerV5_;
};
