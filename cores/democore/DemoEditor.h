#pragma once
// The demo core's editor: a GDI window inside the window the hook gives it, with a
// slider for Gain and for Frequency, radio buttons for Mode, a check box for Invert and
// a button that switches between a compact and a larger size. Every control edits
// through the instance (begin, set, end gestures that the hook turns into host
// automation); the larger/compact button asks the hook to resize the editor. Values
// changed elsewhere reach the controls through a posted refresh message, so any
// thread may ask for one. The window owns the object: destroying the window deletes it.
// [ui-thread], except RequestRefresh: [any-thread].

#include <cstdint>

namespace DemoCore {

class DemoInstance;

class DemoEditor {
public:
    static constexpr int kCompactWidth = 440;
    static constexpr int kCompactHeight = 230;
    static constexpr int kLargeWidth = 560;
    static constexpr int kLargeHeight = 300;

    // Builds the editor in `parent` (an HWND); null when no window could be made.
    static DemoEditor* Open(DemoInstance& instance, void* parent) noexcept;
    // Destroys the window, and with it this object. From another thread than the
    // window's it posts a close instead.
    void Close() noexcept;
    // The instance goes away: the controls stop editing.
    void Detach() noexcept { instance_ = nullptr; }
    // The editor's window (an HWND).
    void* Window() const noexcept { return window_; }

    // Posts a refresh to the editor window `window`; harmless for a window that is gone.
    static void RequestRefresh(void* window) noexcept;
    // Unregisters the window classes once no editor window of the core is left. Called
    // on the UI thread after an editor is destroyed, never from DllMain: user32 calls
    // under the loader lock can deadlock against a thread that is loading the display
    // driver. A later editor registers them again.
    static void UnregisterClassesWhenUnused() noexcept;

private:
    explicit DemoEditor(DemoInstance& instance) noexcept : instance_(&instance) {}
    friend struct EditorWindow;

    DemoInstance* instance_;
    void* window_ = nullptr;
    bool owned_ = false;  // the window deletes the object once it was fully made
    bool large_ = false;
};

}  // namespace DemoCore
