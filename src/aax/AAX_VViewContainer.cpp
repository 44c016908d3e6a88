#include "aax/AAX_VViewContainer.h"

#include "aax/AAX_Enums.h"

AAX_VViewContainer::AAX_VViewContainer(IACFUnknown* container) noexcept
    : container_(ACFPtr<AAX_IACFViewContainer>::Query(container, IID_IAAXViewContainerV1)) {}

std::int32_t AAX_VViewContainer::GetType() const {
    return container_ ? container_->GetType() : AAX_eViewContainer_Type_NULL;
}

void* AAX_VViewContainer::GetPtr() const { return container_ ? container_->GetPtr() : nullptr; }

AAX_Result AAX_VViewContainer::GetModifiers(std::uint32_t* outModifiers) const {
    if (outModifiers == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return container_ ? container_->GetModifiers(outModifiers) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VViewContainer::SetViewSize(const AAX_Point& size) {
    return container_ ? container_->SetViewSize(size) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDown(AAX_CParamID parameterID, std::uint32_t modifiers) {
    return container_ ? container_->HandleParameterMouseDown(parameterID, modifiers) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDrag(AAX_CParamID parameterID, std::uint32_t modifiers) {
    return container_ ? container_->HandleParameterMouseDrag(parameterID, modifiers) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseUp(AAX_CParamID parameterID, std::uint32_t modifiers) {
    return container_ ? container_->HandleParameterMouseUp(parameterID, modifiers) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDown(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                                 std::uint32_t modifiers) {
    if (parameterIDs == nullptr && count != 0) return AAX_ERROR_NULL_ARGUMENT;
    return container_ ? container_->HandleMultipleParametersMouseDown(parameterIDs, count, modifiers)
                      : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDrag(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                                 std::uint32_t modifiers) {
    if (parameterIDs == nullptr && count != 0) return AAX_ERROR_NULL_ARGUMENT;
    return container_ ? container_->HandleMultipleParametersMouseDrag(parameterIDs, count, modifiers)
                      : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseUp(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                               std::uint32_t modifiers) {
    if (parameterIDs == nullptr && count != 0) return AAX_ERROR_NULL_ARGUMENT;
    return container_ ? container_->HandleMultipleParametersMouseUp(parameterIDs, count, modifiers)
                      : AAX_ERROR_NULL_OBJECT;
}
