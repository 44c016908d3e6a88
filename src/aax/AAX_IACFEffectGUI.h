#pragma once
// AAX_IACFEffectGUI, AAX_IACFEffectGUI_V2: the editor object of one instance as the host
// calls it. Made by the effect's kAAX_ProcPtrID_Create_EffectGUI factory; the host
// initialises it with the instance's controller, attaches and detaches its view any
// number of times (SetViewContainer with a container, then with null), uninitialises and
// releases it. Slots 3 to 12 follow IACFUnknown's three in this order; V2 adds slot 13.
// [ui-thread]

#include <cstdint>

#include "aax/AAX.h"
#include "aax/AAX_Enums.h"
#include "aax/AAX_IString.h"
#include "aax/AAX_Point.h"
#include "aax/AAX_Rect.h"
#include "aax/AAX_UIDs.h"
#include "aax/acfunknown.h"

class AAX_IACFEffectGUI : public IACFUnknown {
public:
    // `controller` is the instance's controller (borrowed); it also answers
    // IID_IAAXEffectParametersV1 with the instance's effect parameters object.
    virtual AAX_Result Initialize(IACFUnknown* controller) noexcept = 0;
    virtual AAX_Result Uninitialize() noexcept = 0;
    virtual AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, std::uint32_t size) noexcept = 0;
    // `container` answers IID_IAAXViewContainerV1 and later versions (borrowed; kept
    // until the next call); null detaches the view.
    virtual AAX_Result SetViewContainer(IACFUnknown* container) noexcept = 0;
    // The size the editor wants, in pixels.
    virtual AAX_Result GetViewSize(AAX_Point* outSize) noexcept = 0;
    // Repaint `area` (view coordinates; borrowed for the call).
    virtual AAX_Result Draw(AAX_Rect* area) noexcept = 0;
    // The host's idle tick.
    virtual AAX_Result TimerWakeup() noexcept = 0;
    // A parameter's value changed; the editor may show it.
    virtual AAX_Result ParameterUpdated(AAX_CParamID parameterID) noexcept = 0;
    // A label the host shows for the effect; a failing result leaves the host's own label.
    virtual AAX_Result GetCustomLabel(AAX_EPlugInStrings selector, AAX_IString* outLabel) noexcept = 0;
    // A control surface highlights a parameter, or stops highlighting it, in `color`.
    virtual AAX_Result SetControlHighlightInfo(AAX_CParamID parameterID, AAX_CBoolean isHighlighted,
                                               AAX_EHighlightColor color) noexcept = 0;

protected:
    ~AAX_IACFEffectGUI() = default;
};

class AAX_IACFEffectGUI_V2 : public AAX_IACFEffectGUI {
public:
    // The smallest size the editor can be shown at, in pixels.
    virtual AAX_Result GetMinimumViewSize(AAX_Point* outSize) noexcept = 0;

protected:
    ~AAX_IACFEffectGUI_V2() = default;
};
