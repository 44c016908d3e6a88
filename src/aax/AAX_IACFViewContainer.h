#pragma once
// AAX_IACFViewContainer, _V2, _V3: the host's view that holds an editor, implemented by
// the host and passed to the editor's SetViewContainer, which queries each version.
// Besides the native view it carries the editor's size requests and the mouse gestures
// on parameter controls, which the host turns into its automation shortcuts. Modifiers
// are the host's bit mask; the module may add its own bits to what GetModifiers
// returned. Identifiers are borrowed for the call. [ui-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Point.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFViewContainer : public IACFUnknown {
public:
    // AAX_EViewContainer_Type of GetPtr.
    virtual std::int32_t GetType() noexcept = 0;
    // The native view (a HWND for AAX_eViewContainer_Type_HWND), owned by the host.
    virtual void* GetPtr() noexcept = 0;
    // The modifier keys held now.
    virtual AAX_Result GetModifiers(std::uint32_t* outModifiers) noexcept = 0;
    // Asks the host to resize the view; a failing result means it refused.
    virtual AAX_Result SetViewSize(const AAX_Point& size) noexcept = 0;
    virtual AAX_Result HandleParameterMouseDown(AAX_CParamID parameterID, std::uint32_t modifiers) noexcept = 0;
    virtual AAX_Result HandleParameterMouseDrag(AAX_CParamID parameterID, std::uint32_t modifiers) noexcept = 0;
    virtual AAX_Result HandleParameterMouseUp(AAX_CParamID parameterID, std::uint32_t modifiers) noexcept = 0;

protected:
    ~AAX_IACFViewContainer() = default;
};

class AAX_IACFViewContainer_V2 : public AAX_IACFViewContainer {
public:
    // The same for a control that drives several parameters: `count` identifiers.
    virtual AAX_Result HandleMultipleParametersMouseDown(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                         std::uint32_t modifiers) noexcept = 0;
    virtual AAX_Result HandleMultipleParametersMouseDrag(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                         std::uint32_t modifiers) noexcept = 0;
    virtual AAX_Result HandleMultipleParametersMouseUp(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                       std::uint32_t modifiers) noexcept = 0;

protected:
    ~AAX_IACFViewContainer_V2() = default;
};

class AAX_IACFViewContainer_V3 : public AAX_IACFViewContainer_V2 {
public:
    // The pointer entered or left a parameter's control.
    virtual AAX_Result HandleParameterMouseEnter(AAX_CParamID parameterID, std::uint32_t modifiers) noexcept = 0;
    virtual AAX_Result HandleParameterMouseExit(AAX_CParamID parameterID, std::uint32_t modifiers) noexcept = 0;

protected:
    ~AAX_IACFViewContainer_V3() = default;
};
