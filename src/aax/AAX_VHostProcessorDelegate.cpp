#include "aax/AAX_VHostProcessorDelegate.h"

AAX_VHostProcessorDelegate::AAX_VHostProcessorDelegate(IACFUnknown* controller) noexcept
    : delegate_(ACFPtr<AAX_IACFHostProcessorDelegate>::Query(controller, IID_IAAXHostProcessorDelegateV1)) {}

AAX_Result AAX_VHostProcessorDelegate::GetAudio(const float* const inputs[], std::int32_t inputCount,
                                                std::int64_t location, std::int32_t* ioSamples) {
    if (ioSamples == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return delegate_ ? delegate_->GetAudio(inputs, inputCount, location, ioSamples) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VHostProcessorDelegate::ForceAnalyze() {
    return delegate_ ? delegate_->ForceAnalyze() : AAX_ERROR_NULL_OBJECT;
}
