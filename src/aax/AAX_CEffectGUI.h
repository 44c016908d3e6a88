#pragma once
// AAX_CEffectGUI: the base of an effect's editor. It keeps what the host gives it and
// leaves the view to the derived class through four protected operations. Base
// behaviour, slot by slot:
//
//   3  Initialize(controller)  null: AAX_ERROR_NOT_INITIALIZED. Otherwise keeps the
//                              controller, the instance's effect parameters object (the
//                              controller's answer to IID_IAAXEffectParametersV1) and the
//                              transport (when offered), then calls CreateViewContents;
//                              AAX_SUCCESS.
//   4  Uninitialize            detaches a view still attached (as SetViewContainer(null)),
//                              then releases what Initialize obtained; AAX_SUCCESS.
//   5  NotificationReceived    nothing; AAX_SUCCESS.
//   6  SetViewContainer        a container: keeps it, calls CreateViewContainer, then
//                              UpdateAllParameters. Null: drops the container first, then
//                              calls DeleteViewContainer. AAX_SUCCESS. An object that is no
//                              view container is kept all the same: its type is
//                              AAX_eViewContainer_Type_NULL and it offers no native view.
//   7  GetViewSize, 8 Draw, 9 TimerWakeup, 10 ParameterUpdated, 12 SetControlHighlightInfo,
//   13 GetMinimumViewSize      nothing (out values stay as they are); AAX_SUCCESS.
//   11 GetCustomLabel          AAX_ERROR_NULL_OBJECT, the string unchanged.
//   14 CreateViewContents, 15 CreateViewContainer, 16 DeleteViewContainer: nothing.
//   17 UpdateAllParameters     ParameterUpdated for every parameter, in order.
//
// Exceptions from the protected operations turn into AAX_ERROR_UNKNOWN_EXCEPTION at
// the host-facing call. Every slot, the protected ones included: [ui-thread].

#include <cstdint>
#include <memory>

#include "aax/AAX_IController.h"
#include "aax/AAX_IEffectGUI.h"
#include "aax/AAX_IEffectParameters.h"
#include "aax/AAX_ITransport.h"
#include "aax/AAX_IViewContainer.h"
#include "aax/ACFPtr.h"

class AAX_VController;
class AAX_VTransport;
class AAX_VViewContainer;

class AAX_CEffectGUI : public AAX_IEffectGUI {
public:
    AAX_CEffectGUI();

    AAX_Result Initialize(IACFUnknown* controller) noexcept override;
    AAX_Result Uninitialize() noexcept override;
    AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, std::uint32_t size) noexcept override;
    AAX_Result SetViewContainer(IACFUnknown* container) noexcept override;
    AAX_Result GetViewSize(AAX_Point* outSize) noexcept override;
    AAX_Result Draw(AAX_Rect* area) noexcept override;
    AAX_Result TimerWakeup() noexcept override;
    AAX_Result ParameterUpdated(AAX_CParamID parameterID) noexcept override;
    AAX_Result GetCustomLabel(AAX_EPlugInStrings selector, AAX_IString* outLabel) noexcept override;
    AAX_Result SetControlHighlightInfo(AAX_CParamID parameterID, AAX_CBoolean isHighlighted,
                                       AAX_EHighlightColor color) noexcept override;
    AAX_Result GetMinimumViewSize(AAX_Point* outSize) noexcept override;

protected:
    virtual void CreateViewContents();
    virtual void CreateViewContainer();
    virtual void DeleteViewContainer();
    virtual void UpdateAllParameters();

public:
    ~AAX_CEffectGUI() override;

    // What the host gave; null when absent. Owned (or referenced) by this object.
    AAX_IController* Controller() const noexcept;
    AAX_ITransport* Transport() const noexcept;
    // The instance's effect parameters object: this module's own, as the host made it
    // with the effect's factory, so a derived editor may convert it to its class.
    AAX_IEffectParameters* EffectParameters() const noexcept;
    AAX_IViewContainer* ViewContainer() const noexcept;

private:
    std::unique_ptr<AAX_VController> controller_;
    std::unique_ptr<AAX_VTransport> transport_;
    ACFPtr<AAX_IACFEffectParameters> effectParameters_;
    std::unique_ptr<AAX_VViewContainer> viewContainer_;
};
