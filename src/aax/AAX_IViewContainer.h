#pragma once
// AAX_IViewContainer: the module's view of the host's editor view (see
// AAX_IACFViewContainer and its versions). The editor keeps one while the host has a
// view attached. [ui-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Point.h"

class AAX_IViewContainer {
public:
    virtual ~AAX_IViewContainer() = default;

    // AAX_EViewContainer_Type; AAX_eViewContainer_Type_NULL when the host offers no view.
    virtual std::int32_t GetType() const = 0;
    // The native view (a HWND for AAX_eViewContainer_Type_HWND), owned by the host.
    virtual void* GetPtr() const = 0;
    virtual AAX_Result GetModifiers(std::uint32_t* outModifiers) const = 0;
    virtual AAX_Result SetViewSize(const AAX_Point& size) = 0;
    virtual AAX_Result HandleParameterMouseDown(AAX_CParamID parameterID, std::uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseDrag(AAX_CParamID parameterID, std::uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseUp(AAX_CParamID parameterID, std::uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseEnter(AAX_CParamID parameterID, std::uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseExit(AAX_CParamID parameterID, std::uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseDown(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                         std::uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseDrag(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                         std::uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseUp(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                       std::uint32_t modifiers) = 0;
};
