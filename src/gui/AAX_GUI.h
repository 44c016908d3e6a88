#pragma once
// AAX_GUI: the editor of one plug-in instance. The hook draws nothing: it gives the
// core a native child window inside the host's view, tells the core when that window
// opens (EditorEvent kinds 0 and 2) and closes (kind 1), passes every message of the
// window to the core while the editor is open (kind 7), and carries size changes
// between core and host (ResizeEditor, with kind 6 for the core's own window).
//
// Lifecycle, as the host drives it: the factory (CreateEditor), Initialize (registers
// the window class, once per module instance), then any number of SetViewContainer
// with a view (window created, editor opened) each paired with SetViewContainer(null)
// (editor closed, window destroyed), then Uninitialize, then the last Release
// (destruction: the window class is unregistered).
//
// Ownership. The host owns the editor. The editor keeps a non-owning pointer to its
// instance's Parameters (the instance the host's controller names), valid while the
// base holds the instance's effect-parameters interface, that is between Initialize
// and Uninitialize. While it knows the instance, the editor is that instance's editor
// (Parameters::SetEditor), and it clears that reference again at Uninitialize and at
// destruction, so that neither the core's resize requests nor the parameter code's
// gestures can reach an editor that has gone.
//
// Threads: every operation, the window procedure included, on the host's UI thread
// ([ui-thread]); the core's resize request (callback 11) must come on that thread. No
// locks; the editor-opening time is published to the hook with an atomic exchange.

#include <cstdint>

#include "aax/AAX_CEffectGUI.h"
#include "parameters/InstanceEditor.h"
#include "util/String.h"

class Parameters;
struct EditorEvent;

class AAX_GUI final : public AAX_CEffectGUI, public InstanceEditor {
public:
    // Width and height from the realtime record (0 x 0 when it is not valid).
    AAX_GUI();
    // Closes an open window (kind 1, then destroyed), unregisters the window class by
    // name and forgets the instance.
    ~AAX_GUI() override;

    // ---- Host-facing (AAX_CEffectGUI) ----

    // The base's Initialize; a previously known instance is forgotten first.
    AAX_Result Initialize(IACFUnknown* controller) noexcept override;
    // Closes a window the host left open, forgets the instance (clearing its editor
    // reference), then the base's Uninitialize.
    AAX_Result Uninitialize() noexcept override;
    // The stored size: vertical = height, horizontal = width. AAX_ERROR_NULL_ARGUMENT
    // for a null point.
    AAX_Result GetViewSize(AAX_Point* outSize) noexcept override;
    // "RENDER" for the process button; the analysis label for the analysis button when
    // the instance's record sets the analysis flag; otherwise AAX_ERROR_NULL_OBJECT with
    // the string unchanged (also for a null string).
    AAX_Result GetCustomLabel(AAX_EPlugInStrings selector, AAX_IString* outLabel) noexcept override;

    // ---- InstanceEditor (the instance's view of its editor) ----

    AAX_IViewContainer* EditorViewContainer() const noexcept override { return ViewContainer(); }
    // The core's size request. Equal to the stored size: true, nothing else. Otherwise
    // the size is stored first (GetViewSize reports it even when the rest fails); then,
    // with an open editor and an attached view, the host is asked (SetViewSize), the
    // editor window resized, the core asked for its own window (kind 6) and that
    // resized too. False when the editor is closed, no view is attached, the host
    // refuses or either window cannot be resized.
    bool ResizeEditor(std::uint32_t width, std::uint32_t height) override;

    // ---- For the window procedure ----

    // Sends kind 7 for one message of the editor window while the editor is open;
    // true when the core marked it handled.
    bool ForwardWindowMessage(std::uint32_t message, std::uint32_t wordParameter, std::int32_t longParameter);

    // ---- State, for tests ----

    bool IsEditorOpen() const noexcept { return editorOpen_; }
    void* Window() const noexcept { return window_; }
    void* ParentWindow() const noexcept { return parentWindow_; }
    Parameters* Instance() const noexcept { return hook_; }

protected:
    // Registers the window class unless the module instance has it already.
    void CreateViewContents() override;
    // Opens the editor in the attached view: takes the instance, the record's size and
    // the view's window (type HWND only), creates the editor window and tells the core
    // (kind 0, timed, then kind 2). Creates nothing when the instance's record is not
    // valid or the view offers no window. A window still open from an earlier view is
    // closed first.
    void CreateViewContainer() override;
    // Kind 1, then the window is destroyed. The editor stays "open" for the core, so
    // the messages of the window's destruction still reach it.
    void DeleteViewContainer() override;

private:
    void CloseWindow() noexcept;
    void ForgetInstance() noexcept;
    void Send(EditorEvent& event);

    Parameters* hook_ = nullptr;  // the instance; not owned, see above
    bool editorOpen_ = false;     // the core was told the editor opened; never cleared
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    void* parentWindow_ = nullptr;  // the host's view window (HWND), owned by the host
    void* window_ = nullptr;        // the editor host window (HWND), owned
    Util::String className_;        // the window class this editor registered or uses
};

// The editor factory (procedure ID 1): a new AAX_GUI as its AAX_IACFEffectGUI
// interface with one reference for the caller, or null when it cannot be made.
// [ui-thread]
IACFUnknown* CreateEditor() noexcept;
