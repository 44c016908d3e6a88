#pragma once
// AAX_VViewContainer: AAX_IViewContainer over the host's view container. The host's
// object is queried for each version (V1, V2, V3); a call goes to the version that
// introduced it. A call whose version the host does not offer fails with
// AAX_ERROR_UNIMPLEMENTED, except SetViewSize, which then succeeds with no effect, and
// GetType and GetPtr, which give AAX_eViewContainer_Type_NULL and null. [ui-thread]

#include "aax/AAX_IACFViewContainer.h"
#include "aax/AAX_IViewContainer.h"
#include "aax/ACFPtr.h"

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
    AAX_Result HandleParameterMouseEnter(AAX_CParamID parameterID, std::uint32_t modifiers) override;
    AAX_Result HandleParameterMouseExit(AAX_CParamID parameterID, std::uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDown(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                 std::uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDrag(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                 std::uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseUp(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                               std::uint32_t modifiers) override;

private:
    ACFPtr<AAX_IACFViewContainer> container_;
    ACFPtr<AAX_IACFViewContainer_V2> containerV2_;
    ACFPtr<AAX_IACFViewContainer_V3> containerV3_;
};
