#include "aax/AAX_VViewContainer.h"

#include "aax/AAX_Enums.h"

AAX_VViewContainer::AAX_VViewContainer(IACFUnknown* container) noexcept
    : container_(ACFPtr<AAX_IACFViewContainer>::Query(container, IID_IAAXViewContainerV1)),
      containerV2_(ACFPtr<AAX_IACFViewContainer_V2>::Query(container, IID_IAAXViewContainerV2)),
      containerV3_(ACFPtr<AAX_IACFViewContainer_V3>::Query(container, IID_IAAXViewContainerV3)) {}

std::int32_t AAX_VViewContainer::GetType() const {
    return container_ ? container_->GetType() : AAX_eViewContainer_Type_NULL;
}

void* AAX_VViewContainer::GetPtr() const { return container_ ? container_->GetPtr() : nullptr; }

AAX_Result AAX_VViewContainer::GetModifiers(std::uint32_t* outModifiers) const {
    return container_ ? container_->GetModifiers(outModifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::SetViewSize(const AAX_Point& size) {
    return container_ ? container_->SetViewSize(size) : AAX_SUCCESS;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDown(AAX_CParamID parameterID, std::uint32_t modifiers) {
    return container_ ? container_->HandleParameterMouseDown(parameterID, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDrag(AAX_CParamID parameterID, std::uint32_t modifiers) {
    return container_ ? container_->HandleParameterMouseDrag(parameterID, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseUp(AAX_CParamID parameterID, std::uint32_t modifiers) {
    return container_ ? container_->HandleParameterMouseUp(parameterID, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseEnter(AAX_CParamID parameterID, std::uint32_t modifiers) {
    return containerV3_ ? containerV3_->HandleParameterMouseEnter(parameterID, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseExit(AAX_CParamID parameterID, std::uint32_t modifiers) {
    return containerV3_ ? containerV3_->HandleParameterMouseExit(parameterID, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDown(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                                 std::uint32_t modifiers) {
    return containerV2_ ? containerV2_->HandleMultipleParametersMouseDown(parameterIDs, count, modifiers)
                        : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDrag(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                                 std::uint32_t modifiers) {
    return containerV2_ ? containerV2_->HandleMultipleParametersMouseDrag(parameterIDs, count, modifiers)
                        : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseUp(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                               std::uint32_t modifiers) {
    return containerV2_ ? containerV2_->HandleMultipleParametersMouseUp(parameterIDs, count, modifiers)
                        : AAX_ERROR_UNIMPLEMENTED;
}
