#include "aax/AAX_CHostProcessor.h"

#include "aax/AAX_CatchAll.h"
#include "aax/AAX_VController.h"
#include "aax/AAX_VHostProcessorDelegate.h"

AAX_CHostProcessor::AAX_CHostProcessor() = default;

AAX_CHostProcessor::~AAX_CHostProcessor() = default;

AAX_Result AAX_CHostProcessor::Initialize(IACFUnknown* controller) noexcept {
    if (controller == nullptr) return AAX_ERROR_NOT_INITIALIZED;
    return AAX::CatchAll([&]() -> AAX_Result {
        controller_ = std::make_unique<AAX_VController>(controller);
        delegate_ = std::make_unique<AAX_VHostProcessorDelegate>(controller);
        if (!delegate_->IsValid()) delegate_.reset();
        // The host's controller stands for the instance: it answers for the instance's
        // effect parameters object.
        effectParameters_ = ACFPtr<AAX_IACFEffectParameters>::Query(controller, IID_IAAXEffectParametersV1);
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CHostProcessor::Uninitialize() noexcept {
    effectParameters_.Reset();
    delegate_.reset();
    controller_.reset();
    return AAX_SUCCESS;
}

AAX_Result AAX_CHostProcessor::InitOutputBounds(std::int64_t sourceStart, std::int64_t sourceEnd,
                                                std::int64_t* outDestinationStart,
                                                std::int64_t* outDestinationEnd) noexcept {
    // The published library answers a null out pointer here with its own code, -20030.
    if (outDestinationStart == nullptr || outDestinationEnd == nullptr) return AAX_ERROR_PLUGIN_NULL_PARAMETER;
    return AAX::CatchAll([&]() -> AAX_Result {
        sourceStart_ = sourceStart;
        sourceEnd_ = sourceEnd;
        std::int64_t destinationStart = sourceStart;
        std::int64_t destinationEnd = sourceEnd;
        const AAX_Result result = TranslateOutputBounds(sourceStart, sourceEnd, destinationStart, destinationEnd);
        destinationStart_ = destinationStart;
        destinationEnd_ = destinationEnd;
        *outDestinationStart = destinationStart;
        *outDestinationEnd = destinationEnd;
        return result;
    });
}

AAX_Result AAX_CHostProcessor::SetLocation(std::int64_t sample) noexcept {
    location_ = sample;
    return AAX_SUCCESS;
}

AAX_Result AAX_CHostProcessor::RenderAudio(const float* const[], std::int32_t, float* const[], std::int32_t,
                                           std::int32_t*) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CHostProcessor::PreRender(std::int32_t, std::int32_t, std::int32_t) noexcept { return AAX_SUCCESS; }

AAX_Result AAX_CHostProcessor::PostRender() noexcept { return AAX_SUCCESS; }

AAX_Result AAX_CHostProcessor::AnalyzeAudio(const float* const[], std::int32_t, std::int32_t*) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CHostProcessor::PreAnalyze(std::int32_t, std::int32_t) noexcept { return AAX_SUCCESS; }

AAX_Result AAX_CHostProcessor::PostAnalyze() noexcept { return AAX_SUCCESS; }

AAX_Result AAX_CHostProcessor::GetClipNameSuffix(std::int32_t, AAX_IString*) noexcept {
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CHostProcessor::TranslateOutputBounds(std::int64_t sourceStart, std::int64_t sourceEnd,
                                                     std::int64_t& destinationStart, std::int64_t& destinationEnd) {
    destinationStart = sourceStart;
    destinationEnd = sourceEnd;
    return AAX_SUCCESS;
}

AAX_Result AAX_CHostProcessor::GetAudio(const float* const inputs[], std::int32_t inputCount, std::int64_t location,
                                        std::int32_t* ioSamples) {
    if (ioSamples == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    if (!delegate_) return AAX_ERROR_NULL_OBJECT;
    return delegate_->GetAudio(inputs, inputCount, location, ioSamples);
}

std::int32_t AAX_CHostProcessor::GetSideChainInputNum() { return delegate_ ? delegate_->GetSideChainInputNum() : 0; }

AAX_IController* AAX_CHostProcessor::Controller() const noexcept { return controller_.get(); }

AAX_IHostProcessorDelegate* AAX_CHostProcessor::HostProcessorDelegate() const noexcept { return delegate_.get(); }

AAX_IEffectParameters* AAX_CHostProcessor::EffectParameters() const noexcept {
    return static_cast<AAX_IEffectParameters*>(effectParameters_.Get());
}
