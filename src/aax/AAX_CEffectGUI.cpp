#include "aax/AAX_CEffectGUI.h"

#include "aax/AAX_CString.h"
#include "aax/AAX_CatchAll.h"
#include "aax/AAX_VController.h"
#include "aax/AAX_VTransport.h"
#include "aax/AAX_VViewContainer.h"

AAX_CEffectGUI::AAX_CEffectGUI() = default;

AAX_CEffectGUI::~AAX_CEffectGUI() = default;

AAX_Result AAX_CEffectGUI::Initialize(IACFUnknown* controller) noexcept {
    if (controller == nullptr) return AAX_ERROR_NOT_INITIALIZED;
    return AAX::CatchAll([&]() -> AAX_Result {
        controller_ = std::make_unique<AAX_VController>(controller);
        transport_ = std::make_unique<AAX_VTransport>(controller);
        if (!transport_->IsValid()) transport_.reset();
        // The host's controller stands for the instance: it answers for the instance's
        // effect parameters object.
        effectParameters_ = ACFPtr<AAX_IACFEffectParameters>::Query(controller, IID_IAAXEffectParametersV1);
        CreateViewContents();
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectGUI::Uninitialize() noexcept {
    const AAX_Result detached = viewContainer_ ? SetViewContainer(nullptr) : AAX_SUCCESS;
    effectParameters_.Reset();
    transport_.reset();
    controller_.reset();
    return detached;
}

AAX_Result AAX_CEffectGUI::NotificationReceived(AAX_CTypeID, const void*, std::uint32_t) noexcept {
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::SetViewContainer(IACFUnknown* container) noexcept {
    return AAX::CatchAll([&]() -> AAX_Result {
        if (container == nullptr) {
            viewContainer_.reset();
            DeleteViewContainer();
            return AAX_SUCCESS;
        }
        viewContainer_ = std::make_unique<AAX_VViewContainer>(container);
        CreateViewContainer();
        UpdateAllParameters();
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectGUI::GetViewSize(AAX_Point*) noexcept { return AAX_SUCCESS; }

AAX_Result AAX_CEffectGUI::Draw(AAX_Rect*) noexcept { return AAX_SUCCESS; }

AAX_Result AAX_CEffectGUI::TimerWakeup() noexcept { return AAX_SUCCESS; }

AAX_Result AAX_CEffectGUI::ParameterUpdated(AAX_CParamID) noexcept { return AAX_SUCCESS; }

AAX_Result AAX_CEffectGUI::GetCustomLabel(AAX_EPlugInStrings, AAX_IString*) noexcept { return AAX_ERROR_NULL_OBJECT; }

AAX_Result AAX_CEffectGUI::SetControlHighlightInfo(AAX_CParamID, AAX_CBoolean, AAX_EHighlightColor) noexcept {
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::GetMinimumViewSize(AAX_Point*) noexcept { return AAX_SUCCESS; }

void AAX_CEffectGUI::CreateViewContents() {}

void AAX_CEffectGUI::CreateViewContainer() {}

void AAX_CEffectGUI::DeleteViewContainer() {}

void AAX_CEffectGUI::UpdateAllParameters() {
    if (!effectParameters_) return;
    std::int32_t count = 0;
    if (effectParameters_->GetNumberOfParameters(&count) != AAX_SUCCESS) return;
    AAX_CString identifier;
    for (std::int32_t index = 0; index < count; ++index)
        if (effectParameters_->GetParameterIDFromIndex(index, &identifier) == AAX_SUCCESS)
            ParameterUpdated(identifier.Get());
}

AAX_IController* AAX_CEffectGUI::Controller() const noexcept { return controller_.get(); }

AAX_ITransport* AAX_CEffectGUI::Transport() const noexcept { return transport_.get(); }

AAX_IEffectParameters* AAX_CEffectGUI::EffectParameters() const noexcept {
    return static_cast<AAX_IEffectParameters*>(effectParameters_.Get());
}

AAX_IViewContainer* AAX_CEffectGUI::ViewContainer() const noexcept { return viewContainer_.get(); }
