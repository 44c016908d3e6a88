#include "aax/AAX_VController.h"

AAX_VController::AAX_VController(IACFUnknown* controller) noexcept
    : controller_(ACFPtr<AAX_IACFController>::Query(controller, IID_IAAXControllerV1)) {}

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

AAX_Result AAX_VController::GetHostName(AAX_IString* outName) const {
    if (outName == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return controller_ ? controller_->GetHostName(outName) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetEffectParameters(IACFUnknown** outParameters) const {
    if (outParameters == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    *outParameters = nullptr;
    return controller_ ? controller_->GetEffectParameters(outParameters) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::TouchParameter(AAX_CParamID parameterID) {
    return controller_ ? controller_->TouchParameter(parameterID) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::RequestParameterValue(AAX_CParamID parameterID, double normalizedValue) {
    return controller_ ? controller_->RequestParameterValue(parameterID, normalizedValue) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::ReleaseParameter(AAX_CParamID parameterID) {
    return controller_ ? controller_->ReleaseParameter(parameterID) : AAX_ERROR_NULL_OBJECT;
}
