#include "aaxhost/SimulatedViewContainer.h"

#include <cmath>
#include <cstdio>

#include "aax/AAX_CatchAll.h"
#include "aax/AAX_Enums.h"
#include "aaxhost/HostWindow.h"

namespace aaxhost {

std::string DescribeMouseEvent(const MouseEvent& event) {
    std::string text = event.multiple ? "multiple " : "";
    switch (event.kind) {
    case MouseEvent::Kind::Down: text += "down "; break;
    case MouseEvent::Kind::Drag: text += "drag "; break;
    case MouseEvent::Kind::Up: text += "up "; break;
    case MouseEvent::Kind::Enter: text += "enter "; break;
    case MouseEvent::Kind::Exit: text += "exit "; break;
    }
    for (std::size_t i = 0; i < event.parameterIDs.size(); ++i) text += (i ? "," : "") + event.parameterIDs[i];
    char modifiers[16];
    std::snprintf(modifiers, sizeof modifiers, " 0x%X", static_cast<unsigned>(event.modifiers));
    return text + modifiers;
}

SimulatedViewContainer::SimulatedViewContainer(void* window) : window_(window) {}

std::int32_t SimulatedViewContainer::GetType() noexcept { return AAX_eViewContainer_Type_HWND; }

void* SimulatedViewContainer::GetPtr() noexcept { return window_; }

AAX_Result SimulatedViewContainer::GetModifiers(std::uint32_t* outModifiers) noexcept {
    if (outModifiers == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    ++modifierQueries_;
    if (modifiersResult_ == AAX_SUCCESS) *outModifiers = modifiers_;
    return modifiersResult_;
}

AAX_Result SimulatedViewContainer::SetViewSize(const AAX_Point& size) noexcept {
    const AAX_Result recorded = AAX::CatchAll([&]() -> AAX_Result {
        viewSizeRequests_.push_back(size);
        return AAX_SUCCESS;
    });
    if (recorded != AAX_SUCCESS) return recorded;
    if (viewSizeResult_ == AAX_SUCCESS && window_ != nullptr && size.horz >= 0 && size.vert >= 0)
        HostWindow::ResizeClientArea(window_, static_cast<int>(std::lround(size.horz)),
                                     static_cast<int>(std::lround(size.vert)));
    return viewSizeResult_;
}

AAX_Result SimulatedViewContainer::RecordOne(MouseEvent::Kind kind, AAX_CParamID parameterID,
                                             std::uint32_t modifiers) noexcept {
    if (parameterID == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return RecordMany(kind, false, &parameterID, 1, modifiers);
}

AAX_Result SimulatedViewContainer::RecordMany(MouseEvent::Kind kind, bool multiple, const AAX_CParamID* parameterIDs,
                                              std::uint32_t count, std::uint32_t modifiers) noexcept {
    if (parameterIDs == nullptr && count != 0) return AAX_ERROR_NULL_ARGUMENT;
    for (std::uint32_t i = 0; i < count; ++i)
        if (parameterIDs[i] == nullptr) return AAX_ERROR_NULL_ARGUMENT;
    return AAX::CatchAll([&]() -> AAX_Result {
        MouseEvent event;
        event.kind = kind;
        event.multiple = multiple;
        event.modifiers = modifiers;
        for (std::uint32_t i = 0; i < count; ++i) event.parameterIDs.emplace_back(parameterIDs[i]);
        mouseEvents_.push_back(std::move(event));
        return mouseResult_;
    });
}

AAX_Result SimulatedViewContainer::HandleParameterMouseDown(AAX_CParamID parameterID,
                                                            std::uint32_t modifiers) noexcept {
    return RecordOne(MouseEvent::Kind::Down, parameterID, modifiers);
}

AAX_Result SimulatedViewContainer::HandleParameterMouseDrag(AAX_CParamID parameterID,
                                                            std::uint32_t modifiers) noexcept {
    return RecordOne(MouseEvent::Kind::Drag, parameterID, modifiers);
}

AAX_Result SimulatedViewContainer::HandleParameterMouseUp(AAX_CParamID parameterID, std::uint32_t modifiers) noexcept {
    return RecordOne(MouseEvent::Kind::Up, parameterID, modifiers);
}

AAX_Result SimulatedViewContainer::HandleMultipleParametersMouseDown(const AAX_CParamID* parameterIDs,
                                                                     std::uint32_t count,
                                                                     std::uint32_t modifiers) noexcept {
    return RecordMany(MouseEvent::Kind::Down, true, parameterIDs, count, modifiers);
}

AAX_Result SimulatedViewContainer::HandleMultipleParametersMouseDrag(const AAX_CParamID* parameterIDs,
                                                                     std::uint32_t count,
                                                                     std::uint32_t modifiers) noexcept {
    return RecordMany(MouseEvent::Kind::Drag, true, parameterIDs, count, modifiers);
}

AAX_Result SimulatedViewContainer::HandleMultipleParametersMouseUp(const AAX_CParamID* parameterIDs,
                                                                   std::uint32_t count,
                                                                   std::uint32_t modifiers) noexcept {
    return RecordMany(MouseEvent::Kind::Up, true, parameterIDs, count, modifiers);
}

AAX_Result SimulatedViewContainer::HandleParameterMouseEnter(AAX_CParamID parameterID,
                                                             std::uint32_t modifiers) noexcept {
    return RecordOne(MouseEvent::Kind::Enter, parameterID, modifiers);
}

AAX_Result SimulatedViewContainer::HandleParameterMouseExit(AAX_CParamID parameterID,
                                                            std::uint32_t modifiers) noexcept {
    return RecordOne(MouseEvent::Kind::Exit, parameterID, modifiers);
}

}  // namespace aaxhost
