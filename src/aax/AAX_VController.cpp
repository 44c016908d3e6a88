#include "aax/AAX_VController.h"

AAX_VController::AAX_VController(IACFUnknown* controller) noexcept
    : controller_(ACFPtr<AAX_IACFController>::Query(controller, IID_IAAXControllerV1)),
      controllerV2_(ACFPtr<AAX_IACFController_V2>::Query(controller, IID_IAAXControllerV2)),
      controllerV3_(ACFPtr<AAX_IACFController_V3>::Query(controller, IID_IAAXControllerV3)),
      controllerV4_(ACFPtr<AAX_IACFController_V4>::Query(controller, IID_IAAXControllerV4)),
      controllerV5_(ACFPtr<AAX_IACFController_V5>::Query(controller, IID_IAAXControllerV5)) {}

AAX_Result AAX_VController::GetEffectID(AAX_IString* outEffectID) const {
    if (outEffectID == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return controller_ ? controller_->GetEffectID(outEffectID) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetSampleRate(AAX_CSampleRate* outRate) const {
    if (outRate == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return controller_ ? controller_->GetSampleRate(outRate) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetInputStemFormat(AAX_EStemFormat* outFormat) const {
    if (outFormat == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return controller_ ? controller_->GetInputStemFormat(outFormat) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetOutputStemFormat(AAX_EStemFormat* outFormat) const {
    if (outFormat == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return controller_ ? controller_->GetOutputStemFormat(outFormat) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetSignalLatency(std::int32_t* outSamples) const {
    if (outSamples == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return controller_ ? controller_->GetSignalLatency(outSamples) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::SetSignalLatency(std::int32_t samples) {
    return controller_ ? controller_->SetSignalLatency(samples) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::SendNotification(AAX_CTypeID type, const void* data, std::uint32_t size) {
    return controllerV2_ ? controllerV2_->SendNotification(type, data, size) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VController::GetHostName(AAX_IString* outName) const {
    if (outName == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return controllerV2_ ? controllerV2_->GetHostName(outName) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VController::GetIsAudioSuite(bool* outIsAudioSuite) const {
    if (outIsAudioSuite == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    if (!controllerV3_) return AAX_ERROR_UNIMPLEMENTED;
    AAX_CBoolean isAudioSuite = 0;
    const AAX_Result result = controllerV3_->GetIsAudioSuite(&isAudioSuite);
    if (result == AAX_SUCCESS) *outIsAudioSuite = isAudioSuite != 0;
    return result;
}
