#pragma once
// SimulatedViewContainer: the host's view that holds an editor, of type HWND over a
// window the host owns (a HostWindow, or any window; null when there is none). It
// answers every published version (V1 to V3). It records the editor's size requests
// and the mouse gestures on parameter controls (enter and exit included), and
// answers GetModifiers with a value the test sets. A size request that the container
// accepts also resizes the window's client area. Null identifiers are refused with
// AAX_ERROR_NULL_ARGUMENT and not recorded. [ui-thread]

#include <cstdint>
#include <string>
#include <vector>

#include "aax/AAX_IACFViewContainer.h"
#include "aaxhost/HostObject.h"

namespace aaxhost {

struct MouseEvent {
    enum class Kind { Down, Drag, Up, Enter, Exit };
    Kind kind = Kind::Down;
    bool multiple = false;  // one of the HandleMultipleParameters forms
    std::vector<std::string> parameterIDs;
    std::uint32_t modifiers = 0;
};
// "down Gain 0x10", "enter Gain 0x0", "up Gain,Mix 0x0" (identifiers joined by commas; "multiple " first
// for the multiple-parameter forms).
std::string DescribeMouseEvent(const MouseEvent& event);

class SimulatedViewContainer final : public HostObject<AAX_IACFViewContainer_V3, IID_IAAXViewContainerV1,
                                                       IID_IAAXViewContainerV2, IID_IAAXViewContainerV3> {
public:
    // `window` is an HWND (borrowed; it must outlive the container's use), or null.
    explicit SimulatedViewContainer(void* window);

    void SetModifiers(std::uint32_t modifiers) noexcept { modifiers_ = modifiers; }
    // The result of GetModifiers; a failing one leaves the out value alone.
    void SetModifiersResult(AAX_Result result) noexcept { modifiersResult_ = result; }
    // The answer to size requests (a failing one leaves the window as it is).
    void SetViewSizeResult(AAX_Result result) noexcept { viewSizeResult_ = result; }
    // The answer to every mouse handler.
    void SetMouseResult(AAX_Result result) noexcept { mouseResult_ = result; }

    const std::vector<AAX_Point>& ViewSizeRequests() const noexcept { return viewSizeRequests_; }
    const std::vector<MouseEvent>& MouseEvents() const noexcept { return mouseEvents_; }
    std::int32_t ModifierQueries() const noexcept { return modifierQueries_; }

    std::int32_t GetType() noexcept override;
    void* GetPtr() noexcept override;
    AAX_Result GetModifiers(std::uint32_t* outModifiers) noexcept override;
    AAX_Result SetViewSize(const AAX_Point& size) noexcept override;
    AAX_Result HandleParameterMouseDown(AAX_CParamID parameterID, std::uint32_t modifiers) noexcept override;
    AAX_Result HandleParameterMouseDrag(AAX_CParamID parameterID, std::uint32_t modifiers) noexcept override;
    AAX_Result HandleParameterMouseUp(AAX_CParamID parameterID, std::uint32_t modifiers) noexcept override;
    AAX_Result HandleMultipleParametersMouseDown(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                 std::uint32_t modifiers) noexcept override;
    AAX_Result HandleMultipleParametersMouseDrag(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                                 std::uint32_t modifiers) noexcept override;
    AAX_Result HandleMultipleParametersMouseUp(const AAX_CParamID* parameterIDs, std::uint32_t count,
                                               std::uint32_t modifiers) noexcept override;
    AAX_Result HandleParameterMouseEnter(AAX_CParamID parameterID, std::uint32_t modifiers) noexcept override;
    AAX_Result HandleParameterMouseExit(AAX_CParamID parameterID, std::uint32_t modifiers) noexcept override;

private:
    AAX_Result RecordOne(MouseEvent::Kind kind, AAX_CParamID parameterID, std::uint32_t modifiers) noexcept;
    AAX_Result RecordMany(MouseEvent::Kind kind, bool multiple, const AAX_CParamID* parameterIDs, std::uint32_t count,
                          std::uint32_t modifiers) noexcept;

    void* window_;
    std::uint32_t modifiers_ = 0;
    AAX_Result modifiersResult_ = AAX_SUCCESS;
    AAX_Result viewSizeResult_ = AAX_SUCCESS;
    AAX_Result mouseResult_ = AAX_SUCCESS;
    std::int32_t modifierQueries_ = 0;
    std::vector<AAX_Point> viewSizeRequests_;
    std::vector<MouseEvent> mouseEvents_;
};

}  // namespace aaxhost
