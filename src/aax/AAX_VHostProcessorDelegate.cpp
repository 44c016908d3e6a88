#include "aax/AAX_VHostProcessorDelegate.h"

namespace {

// The controller's answer to `iid` (an added reference), or null.
template <class Interface>
Interface* QueryDelegate(IACFUnknown* controller, const acfIID& iid) noexcept {
    void* found = nullptr;
    if (controller == nullptr || controller->QueryInterface(iid, &found) != ACF_OK) return nullptr;
    return static_cast<Interface*>(found);
}

}  // namespace

AAX_VHostProcessorDelegate::AAX_VHostProcessorDelegate(IACFUnknown* controller) noexcept {
    // Each version extends the one before, so the newest one offered serves the older ones.
    if ((delegateV3_ = QueryDelegate<AAX_IACFHostProcessorDelegate_V3>(controller, IID_IAAXHostProcessorDelegateV3))) {
        delegateV2_ = delegateV3_;
        delegate_.Reset(delegateV3_);
    } else if ((delegateV2_ =
                    QueryDelegate<AAX_IACFHostProcessorDelegate_V2>(controller, IID_IAAXHostProcessorDelegateV2))) {
        delegate_.Reset(delegateV2_);
    } else {
        delegate_.Reset(QueryDelegate<AAX_IACFHostProcessorDelegate>(controller, IID_IAAXHostProcessorDelegateV1));
    }
}

AAX_Result AAX_VHostProcessorDelegate::GetAudio(const float* const inputs[], std::int32_t inputCount,
                                                std::int64_t location, std::int32_t* ioSamples) {
    if (ioSamples == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return delegate_ ? delegate_->GetAudio(inputs, inputCount, location, ioSamples) : AAX_ERROR_NULL_OBJECT;
}

std::int32_t AAX_VHostProcessorDelegate::GetSideChainInputNum() {
    return delegate_ ? delegate_->GetSideChainInputNum() : 0;
}

AAX_Result AAX_VHostProcessorDelegate::ForceAnalyze() {
    return delegateV2_ != nullptr ? delegateV2_->ForceAnalyze() : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VHostProcessorDelegate::ForceProcess() {
    return delegateV3_ != nullptr ? delegateV3_->ForceProcess() : AAX_ERROR_UNIMPLEMENTED;
}
