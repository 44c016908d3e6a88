#pragma once
// The Windows side of the editor: the ANSI window class, the editor host window (a
// child of the host's view) and its window procedure. Every Windows call of the editor
// is in EditorWindow.cpp. Window handles are HWNDs kept opaque, so that callers need
// no windows.h. [ui-thread]: the host's user-interface thread, which owns the windows.
//
// Class names are UTF-8 texts. The class is registered through the ANSI interface, and
// every later use of the name (lookup, creation, unregistration) goes through the
// same conversion Windows applies to the ANSI name, so a name with non-ASCII bytes is
// found again wherever it was registered.
//
// The window procedure reads the owning editor from the window's user data: without
// one (while the window is being created) it answers 1 and does no default
// processing; otherwise it hands the message to the editor
// (AAX_GUI::ForwardWindowMessage) and answers 1 when the core handled it, else the
// ANSI default processing's result.

#include "util/String.h"

class AAX_GUI;

namespace EditorWindow {

// Registers the class for the module instance unless it already has one of that name.
// A failure is not reported: window creation then fails.
void RegisterWindowClassOnce(const Util::String& className) noexcept;
// Unregisters the class for the module instance; fails harmlessly while windows of the
// class still exist.
void UnregisterWindowClass(const Util::String& className) noexcept;

// A visible child window (WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN) of `parent` at 0, 0,
// width x height, titled `title`; null when it cannot be made.
void* Create(const Util::String& className, const Util::String& title, int width, int height, void* parent) noexcept;
// Makes `parent` the window's parent explicitly and stores `owner` as its user data, so
// that its messages reach the editor from now on. Failures are ignored.
void Attach(void* window, void* parent, AAX_GUI* owner) noexcept;
void Destroy(void* window) noexcept;
// Resizes in place (no move, no z-order change, no activation); false when it fails,
// also for a null window.
bool Resize(void* window, int width, int height) noexcept;

}  // namespace EditorWindow
