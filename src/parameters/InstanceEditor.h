#pragma once
// The instance's editor as its parameter set sees it. The editor object (AAX_GUI)
// implements this and registers itself with its instance's Parameters when its view
// is created (Parameters::SetEditor); the parameter set uses it to reach the host's
// view container for mouse gestures and to resize the editor for the core.
//
// Ownership: the host owns the editor; Parameters keeps a non-owning pointer, which
// the editor must clear (SetEditor(nullptr)) before it goes. [ui-thread]

#include <cstdint>

class AAX_IViewContainer;

class InstanceEditor {
public:
    // The host's view container while one is attached, else null.
    virtual AAX_IViewContainer* EditorViewContainer() const noexcept = 0;
    // Resizes the editor to the core's request; true when the host accepted it.
    virtual bool ResizeEditor(std::uint32_t width, std::uint32_t height) = 0;

protected:
    ~InstanceEditor() = default;
};
