#pragma once
// AAX_VViewContainer: AAX_IViewContainer over the host's AAX_IACFViewContainer. Calls
// with a null out pointer fail with AAX_ERROR_NULL_ARGUMENT without reaching the host;
// without a host view every call fails with AAX_ERROR_NULL_OBJECT, the type is
// AAX_eViewContainer_Type_NULL and the pointer null. [ui-thread]

#include "aax/ACFPtr.h"
#include "aax/AAX_IACFViewContainer.h"
#include "aax/AAX_IViewContainer.h"

class AAX_VViewContainer final : public AAX_IViewContainer {
public:
    // `container` is the IACFUnknown the host passed to SetViewContainer (borrowed).
    explicit AAX_VViewContainer(IACFUnknown* container) noexcept;

    bool IsValid() const noexcept { return static_cast<bool>(container_); }

    std::int32_t GetType() const override;
    void* GetPtr() const override;
    AAX_Result GetModifiers(std::uint32_t* outModifiers) const override;
    AAX_Result SetViewSize(const AAX_Point& size) override;
    AAX_Result HandleParameterMouseDown(AAX_CParamID parameterID, std::uint32_t modifiers) override;
    AAX_Result HandleParameterMouseDrag(AAX_CParamID parameterID, std::uint32_t modifiers) override;
    AAX_Result HandleParameterMouseUp(AAX_CParamID parameterID, std::uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDown(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                 std::uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDrag(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                 std::uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseUp(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                               std::uint32_t modifiers) override;

private:
    ACFPtr<AAX_IACFViewContainer> container_;
};
